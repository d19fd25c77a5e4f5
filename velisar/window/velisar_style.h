#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// The finder window's look in one place: its two font names, its colours
// (a calm green and cream, like Orvanta's) and the few style sheets.

inline const QString kTraditionalArabic = QStringLiteral("Traditional Arabic");
inline const QString kSimplifiedArabic = QStringLiteral("Simplified Arabic");

// A font of the Arabic faces the window's texts were designed with, in
// points; mapVelisarFonts() says which installed face each name means.
QFont velisarFont(const QString& family, double pointSize, bool bold = false);

enum class VelisarColor {
    Window,    // the window's and the help pages' background
    Text,      // text on it
    Field,     // the text box's and the list's background
    Accent,    // selected row, the help strip
    AccentText // text on the accent colour
};
QColor velisarColor(VelisarColor role);

// The palette of the window; its children inherit it.
QPalette velisarPalette();

// The help panel's tab buttons.
QString helpTabStyleSheet();
// The copy pop-up button.
QString copyButtonStyleSheet();
// The text box and the progress label that lies over it (selector names
// the widget class).
QString fieldStyleSheet(const QString& selector);
// The result list.
QString resultListStyleSheet();
