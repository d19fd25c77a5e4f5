#pragma once

#include "orvanta/shell/picture_box.h"

#include <QPointer>

class QComboBox;
class QLabel;
class QPushButton;

// The verse text boxes the font options dialog sets directly: the results
// window's (Form1.Text1) and the browser's (Form2.Text1). Either may be
// missing; the dialog then sets the other alone.
struct VerseTextBoxes {
    QPointer<QWidget> Form1Text1;
    QPointer<QWidget> Form2Text1;
};

// The font options dialog (tnsek_1): the display font's name, size and
// weight in one row. Every choice is saved to the font file at once and
// applied to both verse text boxes; the dialog stays open until "إغلاق".
// It opens with the settings the font file holds. Closing it discards it.
class FontDialog : public PictureBox {
    Q_OBJECT
public:
    FontDialog(QWidget* owner, const VerseTextBoxes& boxes);

    QPushButton* Command1() const { return command1_; } // "موافق"
    QPushButton* Command2() const { return command2_; } // "إغلاق"
    QPushButton* Check2() const { return check2_; }     // the bold toggle
    QComboBox* Combo3() const { return combo3_; }       // the size
    QComboBox* Combo4() const { return combo4_; }       // the name
    QLabel* Label2() const { return label2_; }

    // The client area in twips.
    static constexpr double kInnerWidth = 7350;
    static constexpr double kInnerHeight = 810;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void Form_Load();
    void Check2_Click();
    // Saves the dialog's choice to the font file and applies it to both
    // verse text boxes ("موافق").
    void Command1_Click();

    VerseTextBoxes boxes_;
    bool centred_ = false;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* check2_ = nullptr;
    QComboBox* combo3_ = nullptr;
    QComboBox* combo4_ = nullptr;
    QLabel* label2_ = nullptr;
};

// Shows the dialog owned by a window, made anew when the last one was closed,
// and brings it to the front.
FontDialog* ShowFontDialog(QPointer<FontDialog>& dialog, QWidget* owner,
                           const VerseTextBoxes& boxes);
