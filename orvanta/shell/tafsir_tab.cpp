#include "orvanta/shell/tafsir_tab.h"

#include "orvanta/shell/control_style.h"
#include "orvanta/shell/picture_box.h"

#include <QPainter>

PictureBox* CreateTafsirTab(QWidget* area, const char* name, double left, const QString& tip,
                            const QPixmap& picture) {
    auto* tab = Place(new PictureBox(area), name, {left, 0, 1500, 450});
    tab->SetBackColor(Qt::transparent);
    QPainter(&tab->Canvas()).drawPixmap(tab->rect(), picture);
    tab->setToolTip(tip);
    tab->setCursor(Qt::PointingHandCursor);
    return tab;
}
