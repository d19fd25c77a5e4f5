#pragma once

#include <QtGlobal>

class PictureBox;
class PictureButton;
class TextBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

// The controls of the browser window, each named as the window's design
// names it ("Text1", "Picture2(0)", "Text2(1)").
struct BrowserControls {
    TextBox* Text1 = nullptr;
    PictureBox* Picture10 = nullptr; // the tafsir area
    PictureBox* Pic[2] = {};         // its tabs
    TextBox* Text2[2] = {};          // its panes
    QLabel* Label6 = nullptr;        // surah and verse of the tafsir
    QLabel* Label3_0 = nullptr;      // "Label3(0)": name of the visible tafsir
    QListWidget* List1 = nullptr;    // the verse index

    PictureBox* Picture2_0 = nullptr; // "Picture2(0)": the choice panel
    PictureButton* Picture2[4] = {};  // picture buttons 1..3 ([0] unused)
    QComboBox* Combo4 = nullptr;      // page choice
    QLabel* Label8 = nullptr;
    QLabel* Label5 = nullptr;    // frame around the page choice
    QComboBox* Combo1 = nullptr; // surah choice
    QComboBox* Combo2 = nullptr; // first verse
    QComboBox* Combo3 = nullptr; // last verse
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label7 = nullptr;        // frame around the range choice
    QLabel* Image3 = nullptr;        // banner
    QLabel* Label4 = nullptr;        // status line
    QLabel* Image1 = nullptr;        // right end of the panel
    QLabel* Image2 = nullptr;        // left end of the panel
    QPushButton* Command6 = nullptr; // back
    QPushButton* Command1 = nullptr; // format
    QPushButton* Command4 = nullptr; // range build
};

// Creates every control on the window at its design rectangle, in twips,
// with its design content.
BrowserControls CreateBrowserControls(QWidget* form);
