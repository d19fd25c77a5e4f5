#pragma once

#include <QString>

// Brings Quran and tafsir text into the spelling the data files carry, all
// of it within code page 1256:
// - the stand-alone pause and section marks are dropped;
// - alef maksura with a superscript alef becomes the bare alef maksura, any
//   other superscript alef a fatha;
// - blanks (spaces, tabs) collapse to one space, none at either end.
QString normaliseArabicText(QStringView text);

// The eight harakat U+064B..U+0652 (tanween, short vowels, shadda, sukun).
bool isHaraka(QChar ch);

// The text less its harakat: the plain form the verse finder searches.
QString withoutHarakat(QStringView text);
