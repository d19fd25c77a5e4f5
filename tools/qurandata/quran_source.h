#pragma once

#include <QString>
#include <optional>
#include <vector>

// A run of verses by their running number in Mushaf order, 1..6236.
struct VerseRange {
    int first = 0;
    int last = 0;
};

// What the builder takes from the texlive "quran" package: the verse texts
// and the divisions of the Mushaf.
struct QuranSource {
    std::vector<QString> verses;       // 6236 texts, Mushaf order, without the basmalah prefix
    std::vector<int> surahVerseCounts; // 114 counts
    std::vector<VerseRange> pages;     // 604 pages
    std::vector<VerseRange> juz;       // 30 juz

    static constexpr int kVerseCount = 6236;
    static constexpr int kSurahCount = 114;
    static constexpr int kPageCount = 604;
    static constexpr int kJuzCount = 30;
};

inline constexpr const char* kVerseTextFileName = "qurantext-simple.def";
inline constexpr const char* kDivisionsFileName = "quran.sty";

// The SHA-256 of the verse text file of Debian 12's texlive-lang-arabic;
// another text is refused rather than built into the programs unnoticed.
inline constexpr const char* kVerseTextSha256 =
    "9daf0cf231716f4e0a759972c0433222d1876f874ea110cac09bfa7c835bf6b3";

// Reads and checks both files in a folder; on failure returns nothing and
// says why in error.
std::optional<QuranSource> readQuranSource(const QString& folder, QString* error);
