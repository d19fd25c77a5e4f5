#pragma once

#include <QString>

// Reduces a typed or selected text to what the plain verse text can hold:
// Arabic letters (and the other characters coded 128 to 237 in code page
// 1256) with single spaces between words. Vowel marks, tatweel, Latin
// letters, digits and punctuation go; runs of spaces become one space; the
// result is trimmed of spaces. A lone "*" stays, to be searched literally.
QString Clean_Search_Text(const QString& text);

// The text without its leading and trailing spaces (U+0020 only: a no-break
// space or a tab is kept, as the cleaning keeps them apart).
QString trimSpaces(const QString& text);
