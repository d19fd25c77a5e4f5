#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

// Driving widgets as a user does, with the mouse.

// Picks an entry, counted from 0, from a combo box's drop-down list.
inline void chooseEntry(QComboBox* combo, int index) {
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    const QModelIndex entry = list->model()->index(index, 0);
    list->scrollTo(entry);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
}

// Picks the entry of that text; a test fails when the list has none.
inline void chooseEntry(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    chooseEntry(combo, index);
}

// The mouse moved over a widget, no button pressed.
inline void moveOver(QWidget* w) {
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}
