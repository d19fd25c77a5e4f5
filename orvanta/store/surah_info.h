#pragma once

#include "orvanta/store/verse_record.h"

#include <QString>

// The facts of one surah as the windows show them. The four count texts are
// two-line label texts: the label, CR LF, then the number. The verse-count
// label is exactly 11 characters, so its number starts at the 14th; the
// verse-range view relies on that.
struct SurahInfoTexts {
    QString SurahName;
    QString VerseCountText;
    QString RevelationOrderText;
    QString WordCountText;
    QString LetterCountText;
    QString RevelationPlace;

    // Fills the texts for a surah; a number outside 1..114 changes nothing.
    void load(int surahNo);
};

// The texts shared by every window, as the last valid LoadSurahInfo left
// them; empty before the first one.
const SurahInfoTexts& SurahInfo();

void LoadSurahInfo(qint16 surahNo);

// The facts of the surah the record's SurahNo names, read as a whole 16-bit
// number ("22.5" is 22); a line that holds no such number, or no surah's,
// changes nothing.
void LoadSurahInfo(const VerseRecord& record);
