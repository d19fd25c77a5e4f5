#include "velisar/window/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}
