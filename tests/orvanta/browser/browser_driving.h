#pragma once

#include "common/twips_geometry.h"
#include "orvanta/browser/browser_controls.h"
#include "orvanta/shell/picture_button.h"
#include "orvanta/shell/tile_picture.h"
#include "support/show_active.h"
#include "support/widget_driving.h"

#include <QImage>
#include <QListWidget>
#include <QTest>
#include <QWidget>

// Driving the browser as a user does.

// Clicks an entry of a list box, counted from 0.
inline void clickEntry(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// Chooses a surah (from 1) and, when given, a first verse and a last verse
// by their numbers; presses "بحث" then, which returns once the build is over.
inline void buildRange(const BrowserControls& c, int surah, int first = 0, int last = 0) {
    chooseEntry(c.Combo1, surah - 1);
    if (first > 0)
        chooseEntry(c.Combo2, first - 1);
    if (last > 0)
        chooseEntry(c.Combo3, last - first - 1);
    QTest::mouseClick(c.Picture2[3], Qt::LeftButton, {}, QPoint(2, 2));
}

// A box's face as the texture alone paints it over the whole box.
inline QImage texturedFace(const PictureBox* box, const QPixmap& texture) {
    PictureBox scratch;
    setTwipsGeometry(&scratch, twipsGeometry(box));
    scratch.SetBackColor(box->BackColor());
    TileWholeBox(&scratch, texture);
    return scratch.Canvas().toImage();
}
