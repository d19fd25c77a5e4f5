#pragma once

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
