#include "velisar/window/velisar_style.h"

#include <QPalette>

QFont velisarFont(const QString& family, double pointSize, bool bold) {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QColor velisarColor(VelisarColor role) {
    switch (role) {
    case VelisarColor::Window:
        return QColor(0xee, 0xf0, 0xe2);
    case VelisarColor::Text:
        return QColor(0x1f, 0x3d, 0x2b);
    case VelisarColor::Field:
        return QColor(0xfd, 0xfc, 0xf5);
    case VelisarColor::Accent:
        return QColor(0x2e, 0x6b, 0x45);
    case VelisarColor::AccentText:
        return QColor(0xff, 0xfb, 0xea);
    }
    return {};
}

QPalette velisarPalette() {
    QPalette palette;
    palette.setColor(QPalette::Window, velisarColor(VelisarColor::Window));
    palette.setColor(QPalette::WindowText, velisarColor(VelisarColor::Text));
    palette.setColor(QPalette::Base, velisarColor(VelisarColor::Field));
    palette.setColor(QPalette::AlternateBase, velisarColor(VelisarColor::Window));
    palette.setColor(QPalette::Text, velisarColor(VelisarColor::Text));
    palette.setColor(QPalette::ButtonText, velisarColor(VelisarColor::Text));
    palette.setColor(QPalette::Highlight, velisarColor(VelisarColor::Accent));
    palette.setColor(QPalette::HighlightedText, velisarColor(VelisarColor::AccentText));
    palette.setColor(QPalette::ToolTipBase, velisarColor(VelisarColor::Field));
    palette.setColor(QPalette::ToolTipText, velisarColor(VelisarColor::Text));
    return palette;
}

namespace {

// The palette's colours as style sheets name them, so both say the same.
QString css(VelisarColor role) {
    return velisarColor(role).name();
}

} // namespace

QString helpTabStyleSheet() {
    return QStringLiteral(
               "QPushButton { color: %1; border: 1px solid #9fb08a; border-bottom: none;"
               " border-top-left-radius: 6px; border-top-right-radius: 6px;"
               " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbfaf0, stop:1 "
               "#d9e2c4); }"
               "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
               " stop:0 #ffffff, stop:1 #e6edd3); }")
        .arg(css(VelisarColor::Text));
}

QString copyButtonStyleSheet() {
    return QStringLiteral(
               "QPushButton { color: %1; border: 1px solid #1d4a2f; border-radius: 6px;"
               " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3f8458, stop:1 "
               "#2a5f3e); }"
               "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
               " stop:0 #4c9566, stop:1 %2); }"
               "QPushButton:focus { border: 1px solid #c9a24a; }")
        .arg(css(VelisarColor::AccentText), css(VelisarColor::Accent));
}

QString fieldStyleSheet(const QString& selector) {
    return selector + QStringLiteral(" { color: %1; background: %2;"
                                     " border: 1px solid #9fb08a; border-radius: 4px;"
                                     " padding: 0px 6px; }")
                          .arg(css(VelisarColor::Text), css(VelisarColor::Field));
}

QString resultListStyleSheet() {
    return QStringLiteral(
               "QListWidget { color: %1; background: %2;"
               " border: 1px solid #9fb08a; }"
               "QListWidget::item { padding: 2px 6px; border-bottom: 1px solid #e4e8d4; }"
               "QListWidget::item:selected { color: %3; background: %4; }")
        .arg(css(VelisarColor::Text), css(VelisarColor::Field), css(VelisarColor::AccentText),
             css(VelisarColor::Accent));
}
