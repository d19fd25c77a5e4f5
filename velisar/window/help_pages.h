#pragma once

#include <QString>

// The texts of the help panel's five tabs and pages, and the publisher's
// name the window caption starts with. Pages break their lines with CR LF.
inline const QString kPublisherName = QStringLiteral("QuranDesk");

constexpr int kHelpPageCount = 5;

// index 1 to 5; anything else gives an empty text.
QString helpTabCaption(int index);
QString helpTabToolTip(int index);
QString helpPageText(int index);

// A page as the panel shows it: every line a right-to-left paragraph (even
// one that starts with a Latin word), its spaces kept, the lines set a
// little closer than the face's own spacing so that the longest page fits.
QString helpPageHtml(const QString& pageText);

// " QuranDesk - Velisar - إصدار رقم 1.0 "
QString quranWinCaption();
