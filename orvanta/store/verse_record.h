#pragma once

#include <QString>

// One verse of the verse record file, or of the results file, as its eight
// lines in file order.
struct VerseRecord {
    QString VerseId;  // a key, compared as whole text only
    QString SurahNo;  // 1..114
    QString PageNo;   // 1..604
    QString AyahNo;   // 1..the surah's verse count
    QString AyahText; // the vocalised verse
    QString JuzNo;    // 1..30
    QString Tafsir1;  // "تفسير الجلالين"
    QString Tafsir2;  // "التفسير الميسر"

    static constexpr int kLineCount = 8;

    QString& line(int i) {
        QString* lines[kLineCount] = {&VerseId,  &SurahNo, &PageNo,  &AyahNo,
                                      &AyahText, &JuzNo,   &Tafsir1, &Tafsir2};
        return *lines[i];
    }
    const QString& line(int i) const { return const_cast<VerseRecord*>(this)->line(i); }

    bool operator==(const VerseRecord&) const = default;
};
