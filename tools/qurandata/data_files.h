#pragma once

#include "tools/qurandata/quran_source.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// One verse as the data files carry it.
struct BuiltVerse {
    int surah = 0;
    int ayah = 0;
    int page = 0;
    int juz = 0;
    QString text; // normalised, vocalised
    QString tafsir1;
    QString tafsir2;
};

// The verses of the source in Mushaf order with their surah, verse, page and
// juz numbers and normalised text; the tafsir texts when given (one per
// verse), else empty. Fails when a verse does not fit code page 1256 or
// holds a character the verse finder's keys reserve.
std::optional<std::vector<BuiltVerse>> assembleVerses(const QuranSource& source,
                                                      const std::vector<QString>& tafsir1,
                                                      const std::vector<QString>& tafsir2,
                                                      QString* error);

// "qor": eight CR LF lines per verse (VerseId, SurahNo, PageNo, AyahNo,
// AyahText, JuzNo, Tafsir1, Tafsir2), code page 1256. The VerseId is the
// running number of the verse.
QByteArray verseRecordFile(const std::vector<BuiltVerse>& verses);

// The verse finder's files, one line: " TEXT 1/1 TEXT 2/1 ... TEXT 6/114 ",
// each verse followed by a space, its key (verse/surah) and a space.
// Vocalised text for "VelisarT.KRD", plain (less the harakat) for
// "Velisar.KRD".
QByteArray finderFile(const std::vector<BuiltVerse>& verses, bool vocalised);
