#pragma once

#include "common/twips_geometry.h"
#include "orvanta/browser/browser_controls.h"
#include "orvanta/shell/picture_button.h"
#include "orvanta/shell/tile_picture.h"
#include "support/show_active.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

// Driving the browser as a user does.

// Picks an entry, counted from 0, from a combo box's drop-down list with the
// mouse.
inline void chooseEntry(QComboBox* combo, int index) {
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    const QModelIndex entry = list->model()->index(index, 0);
    list->scrollTo(entry);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
}

// The mouse moved over a widget, no button pressed.
inline void moveOver(QWidget* w) {
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

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
