#pragma once

#include <QString>
#include <QStringView>

// The eight Arabic harakat (U+064B fathatan .. U+0652 sukun): true when the
// text is exactly one of them.
bool IsHaraka(QStringView text);
bool IsHaraka(QChar ch);

// True when the character's code page 1256 code is 240 or more: the
// harakat and a few other marks of the code page's top rows. A character the
// code page lacks counts as code 63 and is none.
bool IsMarkCode(QChar ch);

// The typed word as a search without diacritics stores it: every
// IsMarkCode character left out.
QString BareSearchWord(QStringView typed);

// A verse text without its harakat, the text a search without diacritics
// looks in.
QString BareText(QStringView ayahText);
