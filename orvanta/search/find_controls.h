#pragma once

class PictureBox;
class PictureButton;
class SearchProgressBox;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// The controls of the search dialog, each named as the dialog's design
// names it ("Picture2(1)", "Combo3").
struct FindControls {
    QFrame* Shape1 = nullptr;              // backdrop of the collapsed area
    QLabel* Label1 = nullptr;              // "بحث عن :"
    QLineEdit* Text1 = nullptr;            // the word
    PictureButton* Picture2_1 = nullptr;   // "Picture2(1)": search
    PictureButton* Picture2_0 = nullptr;   // "Picture2(0)": close
    PictureBox* Picture2_2 = nullptr;      // "Picture2(2)": the advanced toggle
    QLabel* Label4 = nullptr;              // status line
    SearchProgressBox* Picture1 = nullptr; // progress bar
    QCheckBox* Check1 = nullptr;           // "بحث بالحركات"
    QRadioButton* Option1 = nullptr;       // whole Mushaf
    QRadioButton* Option2 = nullptr;       // one juz
    QComboBox* Combo1 = nullptr;           // its juz
    QRadioButton* Option3 = nullptr;       // between two juz
    QFrame* Frame1 = nullptr;              // holds the range
    QComboBox* Combo3 = nullptr;           // last juz
    QLabel* Label2 = nullptr;              // "و"
    QComboBox* Combo2 = nullptr;           // first juz
};

// Creates every control on the dialog at its design rectangle, in twips,
// in its design state.
FindControls CreateFindControls(QWidget* dialog);
