#include "orvanta/shell/tafsir_area.h"

#include "orvanta/shell/control_style.h"
#include "orvanta/shell/picture_box.h"
#include "orvanta/shell/shared_pictures.h"
#include "orvanta/shell/text_box.h"

#include <QLabel>
#include <QPainter>

namespace {

const QColor kLightGreen(226, 243, 226);
const QColor kDarkGreen(0, 80, 40);

} // namespace

QString TafsirName(int i) {
    return i == 0 ? QStringLiteral("تفسير الجلالين") : QStringLiteral("التفسير الميسر");
}

TextBox* CreateTafsirPane(QWidget* area, int i) {
    auto* pane = Place(new TextBox(area, Qt::AlignRight), i == 0 ? "Text2(0)" : "Text2(1)",
                       {0, 430, 6615, 2415});
    pane->setToolTip(TafsirName(i));
    pane->setFont(ControlFont(QStringLiteral("Traditional Arabic"), 15.75, true));
    if (i == 0) {
        SetControlColours(pane, kLightGreen, kDarkGreen);
    } else {
        SetControlColours(pane, kDarkGreen, Qt::white);
        pane->hide();
    }
    return pane;
}

PictureBox* CreateTafsirTab(QWidget* area, int i, double left) {
    auto* tab = Place(new PictureBox(area), i == 0 ? "Pic(0)" : "Pic(1)", {left, 0, 1500, 450});
    tab->SetBackColor(Qt::transparent);
    const QPixmap picture = i == 0 ? pictures::TafsirTab1() : pictures::TafsirTab2();
    QPainter(&tab->Canvas()).drawPixmap(tab->rect(), picture);
    tab->setToolTip(TafsirName(i));
    tab->setCursor(Qt::PointingHandCursor);
    return tab;
}

QString VisibleTafsirName(const TextBox* const panes[2]) {
    return (panes[1]->isHidden() ? panes[0] : panes[1])->toolTip();
}

void ShowTafsirPane(TextBox* const panes[2], QLabel* caption, int i) {
    caption->setText(panes[i]->Text().isEmpty() ? QString() : panes[i]->toolTip());
    panes[i]->show();
    panes[1 - i]->hide();
}
