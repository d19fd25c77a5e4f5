#pragma once

// The facts of the 114 surahs, built into the program: the counts are stored
// values, never counted from the verse file.
constexpr int kSurahCount = 114;

struct SurahRow {
    const char16_t* name;
    int verseCount;
    int revelationOrder;
    int wordCount;
    int letterCount;
    bool medinan;
};

// The row of a surah, or nullptr for a number outside 1..114.
const SurahRow* surahRow(int surahNo);
