#pragma once

#include "orvanta/store/verse_record.h"

#include <QString>
#include <QStringList>
#include <optional>

// The two result lists of the results window as the results file gives
// them: entry n of each describes record n of the file.
struct ResultEntries {
    QStringList texts;    // List1: the surah name, " :آية ", the verse number
    QStringList verseIds; // List2: the VerseId of each hit
};

// The visible list's entry for a hit. Looks up the record's surah with
// LoadSurahInfo, so SurahInfo describes it afterwards.
QString ResultEntryText(const VerseRecord& record);

// Reads the results file front to back into the lists' entries. A file that
// cannot be read gives no entries.
ResultEntries ReadResultEntries(const QString& resultsFile);

// The hit with this VerseId (compared as whole text), read afresh from the
// results file: the last such record when there are several, none when there
// is none or the file cannot be read.
std::optional<VerseRecord> FindResult(const QString& resultsFile, const QString& verseId);

// The verse as the results window shows it: " {", the text, " }", the surah
// name and the verse number, with nothing between them.
QString ShownVerseText(const VerseRecord& record, const QString& surahName);
