#pragma once

#include <QStringView>

// Reading a verse key ("verse/surah") around its slash in the plain text.
// The numbers are read from short windows of characters, so that the
// separator between a verse and its key may be a space or a line break.

// The number formed by the leading decimal digits of window once spaces,
// tabs and line feeds are taken out; 0 when it then begins with no digit.
int windowValue(QStringView window);

// The verse number from the characters just before the slash at slashIndex:
// the first of the last three, two or one characters whose value is above 0;
// 0 when there is none (the slash has no key digits before it). Near the
// start of the text the windows hold what there is.
int verseNumberBefore(QStringView text, qsizetype slashIndex);

// The surah number from the three characters just after the slash.
int surahNumberAfter(QStringView text, qsizetype slashIndex);

// The key as the vocalised text carries it: "255/2".
QString verseKey(int verse, int surah);
