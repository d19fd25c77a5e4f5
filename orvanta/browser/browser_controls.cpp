#include "orvanta/browser/browser_controls.h"

#include "common/twips_geometry.h"
#include "orvanta/shell/control_style.h"
#include "orvanta/shell/picture_box.h"
#include "orvanta/shell/picture_button.h"
#include "orvanta/shell/shared_pictures.h"
#include "orvanta/shell/tafsir_area.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/store/surah_table.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const QColor kNavy(0, 0, 128);
const QColor kPageBack(240, 246, 226); // light yellow-green
const QColor kDarkGreen(0, 80, 40);
const QColor kInk(21, 69, 66);
const QColor kWindowBack(232, 225, 207);

QLabel* label(QWidget* parent, const char* name, const QRectF& twips, const QString& text) {
    auto* l = Place(new QLabel(text, parent), name, twips);
    l->setAlignment(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

// A frame drawn around a group of controls, behind them.
QLabel* frame(QWidget* parent, const char* name, const QRectF& twips) {
    auto* l = Place(new QLabel(parent), name, twips);
    l->setFrameStyle(QFrame::Box | QFrame::Plain);
    l->lower();
    return l;
}

QLabel* image(QWidget* parent, const char* name, const QRectF& twips, const QPixmap& picture) {
    auto* l = Place(new QLabel(parent), name, twips);
    l->setPixmap(picture);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->lower();
    return l;
}

QPushButton* hiddenCommand(QWidget* parent, const char* name, const QRectF& twips,
                           const QString& caption, const QString& tip) {
    auto* b = Place(new QPushButton(caption, parent), name, twips);
    b->setToolTip(tip);
    b->hide();
    return b;
}

void createTafsirArea(QWidget* form, BrowserControls& c) {
    c.Picture10 = Place(new PictureBox(form), "Picture10", {0, 2760, 6735, 2850});
    c.Picture10->SetBackColor(Qt::white);
    c.Picture10->hide();
    for (int i = 0; i < 2; ++i)
        c.Text2[i] = CreateTafsirPane(c.Picture10, i);
    c.Label6 = label(c.Picture10, "Label6", {120, 150, 1740, 270}, QString());
    c.Label6->setFont(ControlFont(QStringLiteral("Arial"), 11.25, true));
    SetControlColours(c.Label6, Qt::white, Qt::red);
    // As wide as the 3010 twips the layout centres, as on the results window:
    // the tafsir names need that much in the fonts this program shows them in.
    c.Label3_0 = label(c.Picture10, "Label3(0)", {1560, 80, 3010, 360}, QString());
    c.Label3_0->setAlignment(Qt::AlignCenter);
    c.Label3_0->setFont(ControlFont(QStringLiteral("Arial"), 15.75, true));
    SetControlColours(c.Label3_0, Qt::white, kDarkGreen);
    // The tabs lie over the panes' top edge and the captions.
    c.Pic[0] = CreateTafsirTab(c.Picture10, 0, 5160);
    c.Pic[1] = CreateTafsirTab(c.Picture10, 1, 3420);
}

void createPictureButtons(BrowserControls& c) {
    struct Button {
        double left;
        const char* caption;
        QRectF captionRect;
        QRectF iconRect;
        QPixmap icon;
    };
    const Button buttons[] = {
        {480, "رجوع", {300, 45, 375, 195}, {45, 80, 180, 195}, pictures::BackIcon()},
        {1380, "تنسيق", {240, 45, 435, 195}, {50, 80, 180, 195}, pictures::FormatIcon()},
        {2280, "بحث", {300, 45, 285, 195}, {50, 80, 180, 195}, pictures::SearchIcon()},
    };
    for (int i = 1; i <= 3; ++i) {
        const Button& b = buttons[i - 1];
        c.Picture2[i] =
            new PictureButton(c.Picture2_0, i, {b.left, 760, 735, 350},
                              QString::fromUtf8(b.caption), b.captionRect, b.icon, b.iconRect);
    }
}

void createChoicePanel(QWidget* form, BrowserControls& c) {
    c.Picture2_0 = Place(new PictureBox(form), "Picture2(0)", {120, 0, 8535, 1215});
    c.Picture2_0->SetBorderStyle(1);
    // Captions, frames and borders on the panel in the pictures' dark teal.
    SetInk(c.Picture2_0, kInk);
    QWidget* panel = c.Picture2_0;
    c.Image1 = image(panel, "Image1", {8160, 0, 375, 1185}, pictures::PanelEndRight());
    c.Image2 = image(panel, "Image2", {0, 0, 375, 1185}, pictures::PanelEndLeft());
    c.Image3 = image(panel, "Image3", {4800, 120, 3360, 555}, pictures::Banner());
    c.Label5 = frame(panel, "Label5", {480, 120, 2445, 555});
    c.Label7 = frame(panel, "Label7", {3100, 15, 1575, 1095});
    createPictureButtons(c);
    c.Combo4 = EditableCombo(panel, "Combo4", {600, 240, 1095, 315}, QStringLiteral("1"));
    for (int page = 1; page <= 604; ++page)
        c.Combo4->addItem(QString::number(page));
    c.Combo4->setCurrentText(QStringLiteral("1"));
    c.Label8 = label(panel, "Label8", {1680, 240, 1095, 255}, QStringLiteral("بحث بالصفحة"));
    c.Combo1 = EditableCombo(panel, "Combo1", {3150, 75, 1335, 315}, QString());
    for (int surahNo = 1; surahNo <= kSurahCount; ++surahNo)
        c.Combo1->addItem(QString::fromUtf16(surahRow(surahNo)->name));
    // No surah is chosen until the user picks one.
    c.Combo1->setCurrentIndex(-1);
    c.Combo1->setEditText(QStringLiteral("حدد السورة"));
    c.Combo2 = EditableCombo(panel, "Combo2", {3150, 427, 750, 315}, QString());
    c.Combo3 = EditableCombo(panel, "Combo3", {3150, 780, 735, 315}, QString());
    // As wide as Label2: the installed sans face draws "من الآية" wider than
    // the 510 twips it was given, and the frame leaves room up to 4675.
    c.Label1 = label(panel, "Label1", {3960, 480, 585, 195}, QStringLiteral("من الآية"));
    c.Label2 = label(panel, "Label2", {3960, 840, 585, 195}, QStringLiteral("إلى الآية"));
    c.Label4 = label(panel, "Label4", {4800, 840, 3255, 255}, QString());
    c.Label4->setAlignment(Qt::AlignCenter);
    c.Label4->setFont(ControlFont(QStringLiteral("MS Sans Serif"), 9.75, false));
    c.Command6 = hiddenCommand(panel, "Command6", {1800, 1200, 615, 540}, QStringLiteral("رجوع"),
                               QStringLiteral("إغلاق"));
    c.Command1 = hiddenCommand(panel, "Command1", {2160, 1200, 615, 540}, QStringLiteral("تنسيق"),
                               QString());
    c.Command4 = hiddenCommand(panel, "Command4", {1800, 1080, 615, 540}, QStringLiteral("بحث"),
                               QStringLiteral("ابدأ البحث"));
}

} // namespace

BrowserControls CreateBrowserControls(QWidget* form) {
    BrowserControls c;
    QPalette back = form->palette();
    back.setColor(QPalette::Window, kWindowBack);
    form->setPalette(back);
    c.Text1 = Place(new TextBox(form, Qt::AlignHCenter), "Text1", {0, 1150, 7815, 1575});
    c.Text1->setToolTip(QStringLiteral("الآيات"));
    c.Text1->setFont(ControlFont(QStringLiteral("Traditional Arabic"), 20.25, true));
    SetControlColours(c.Text1, kPageBack, kNavy);
    c.Text1->hide();
    createTafsirArea(form, c);
    c.List1 = Place(new QListWidget(form), "List1", {8640, 1150, 735, 3570});
    c.List1->setToolTip(QStringLiteral("فهرس الآيات"));
    c.List1->hide();
    createChoicePanel(form, c);
    // The page text lies over the tafsir area and the index when it spans
    // the window; the choice panel lies over everything.
    c.Text1->raise();
    c.Picture2_0->raise();
    return c;
}
