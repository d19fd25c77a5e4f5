#pragma once

class PictureBox;
class TextBox;
class QLabel;
class QListWidget;
class QWidget;

// The controls of the results window, each named as the window's design
// names it ("List1", "Text2(1)", "lab(3)").
struct ResultsControls {
    QListWidget* List1 = nullptr;    // one entry per hit, with a check box to mark it
    QListWidget* List2 = nullptr;    // hidden: the hits' VerseIds and marks
    TextBox* Text1 = nullptr;        // the shown verse
    PictureBox* Picture10 = nullptr; // the tafsir panel
    TextBox* Text2[2] = {};          // its panes
    PictureBox* Pic[2] = {};         // its tabs
    QLabel* Label1 = nullptr;        // the visible tafsir's title
    QLabel* Label2 = nullptr;        // the shown entry, after a search without diacritics
    PictureBox* Picture2 = nullptr;  // the surah fact bar
    QLabel* lab[7] = {};             // its facts; lab(6) is hidden and unused
    QLabel* Image1 = nullptr;        // right end of the bar
    QLabel* Image2 = nullptr;        // left end of the bar
    QLabel* Picture1 = nullptr;      // hidden: holds the background texture
};

// Creates every control on the window's inner area at its design rectangle,
// in twips, with its design look.
ResultsControls CreateResultsControls(QWidget* area);
