#include "orvanta/search/find_controls.h"

#include "orvanta/search/search_progress_box.h"
#include "orvanta/shell/control_style.h"
#include "orvanta/shell/picture_button.h"
#include "orvanta/shell/shared_pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const QColor kLightGreen(214, 240, 208);
const QColor kGreen(0, 128, 0);
const QColor kDarkGreen(0, 90, 30);
const QString kDialogFont = QStringLiteral("MS Sans Serif");

QFrame* backdrop(QWidget* dialog) {
    auto* shape = Place(new QFrame(dialog), "Shape1", {120, 80, 5295, 1335});
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setAutoFillBackground(true);
    SetControlColours(shape, kLightGreen, kGreen);
    // A shape is drawn on the dialog's surface; the pointer over it is over
    // the surface.
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    return shape;
}

QComboBox* juzCombo(QWidget* parent, const char* name, const QRectF& twips, int first,
                    const QString& text) {
    QComboBox* combo = EditableCombo(parent, name, twips, text);
    for (int juz = first; juz <= 30; ++juz)
        combo->addItem(QString::number(juz));
    combo->setCurrentText(text);
    return combo;
}

QRadioButton* option(QWidget* dialog, const char* name, const QRectF& twips,
                     const QString& caption) {
    return Place(new QRadioButton(caption, dialog), name, twips);
}

void createButtons(QWidget* dialog, FindControls& c) {
    c.Picture2_1 =
        new PictureButton(dialog, 1, {1200, 240, 735, 350}, QStringLiteral("بحث"),
                          {300, 45, 285, 195}, pictures::SearchIcon(), {50, 80, 180, 195});
    c.Picture2_1->setEnabled(false);
    c.Picture2_0 =
        new PictureButton(dialog, 0, {240, 240, 735, 350}, QStringLiteral("إغلاق"),
                          {240, 45, 435, 195}, pictures::CloseIcon(), {50, 80, 180, 195});
    c.Picture2_2 = Place(new PictureBox(dialog), "Picture2(2)", {240, 960, 495, 350});
    c.Picture2_2->SetBackColor(kPictureButtonBack);
    c.Picture2_2->setCursor(Qt::PointingHandCursor);
    c.Picture2_2->setToolTip(QStringLiteral("بحث متقدم"));
}

void createScopeChoice(QWidget* dialog, FindControls& c) {
    c.Check1 = Place(new QCheckBox(QStringLiteral("بحث بالحركات"), dialog), "Check1",
                     {120, 1680, 1335, 255});
    // The option buttons reach 120 twips further right than the design's, for
    // the wider sans face; their left edges stay clear of the juz boxes.
    c.Option1 =
        option(dialog, "Option1", {3360, 1680, 1935, 300}, QStringLiteral("بحث في كل المصحف"));
    c.Option1->setChecked(true);
    c.Option2 = option(dialog, "Option2", {3720, 2100, 1575, 300}, QStringLiteral("بحث في الجزء"));
    c.Combo1 = juzCombo(dialog, "Combo1", {3000, 2100, 735, 315}, 1, QStringLiteral("1"));
    c.Combo1->hide();
    c.Option3 =
        option(dialog, "Option3", {3720, 2520, 1575, 300}, QStringLiteral("بحث بين الجزءين"));
    c.Frame1 = Place(new QFrame(dialog), "Frame1", {1920, 2520, 1815, 300});
    c.Frame1->hide();
    c.Combo3 = juzCombo(c.Frame1, "Combo3", {0, 0, 735, 315}, 2, QStringLiteral("2"));
    c.Label2 = Place(new QLabel(QStringLiteral("و"), c.Frame1), "Label2", {840, 0, 195, 300});
    c.Label2->setAlignment(Qt::AlignCenter);
    c.Combo2 = juzCombo(c.Frame1, "Combo2", {1080, 0, 735, 315}, 1, QStringLiteral("1"));
}

} // namespace

FindControls CreateFindControls(QWidget* dialog) {
    FindControls c;
    c.Shape1 = backdrop(dialog);

    // The captions reach a little further right than the design's: the
    // installed sans face is wider than the one it was drawn for. So the
    // caption keeps to the design's left edge, beside the box, clear of the
    // frame.
    c.Label1 =
        Place(new QLabel(QStringLiteral("بحث عن :"), dialog), "Label1", {4560, 240, 825, 240});
    c.Label1->setAlignment(Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignVCenter);
    c.Label1->setFont(ControlFont(kDialogFont, 9.75, false));
    SetControlColours(c.Label1, Qt::transparent, kDarkGreen);

    c.Text1 = Place(new QLineEdit(dialog), "Text1", {2160, 240, 2295, 375});
    c.Text1->setLayoutDirection(Qt::RightToLeft);
    c.Text1->setAlignment(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter);
    c.Text1->setFont(ControlFont(kDialogFont, 9.75, false));

    createButtons(dialog, c);

    // It sizes itself to its text from its left edge.
    c.Label4 = Place(new QLabel(dialog), "Label4", {2880, 860, 0, 0});
    c.Label4->setFont(ControlFont(kDialogFont, 9.75, false));
    SetControlColours(c.Label4, Qt::transparent, kGreen);

    c.Picture1 = Place(new SearchProgressBox(dialog), "Picture1", {840, 1200, 4455, 135});

    createScopeChoice(dialog, c);
    return c;
}
