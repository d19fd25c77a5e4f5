#include "velisar/window/result_list.h"

#include "velisar/window/finder_texts.h"
#include "velisar/window/velisar_style.h"

ResultList::ResultList(QWidget* parent) : QListWidget(parent) {
    setLayoutDirection(Qt::RightToLeft);
    setToolTip(kQRsultTip);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setStyleSheet(resultListStyleSheet());
}
