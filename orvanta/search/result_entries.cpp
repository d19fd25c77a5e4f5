#include "orvanta/search/result_entries.h"

#include "orvanta/store/surah_info.h"
#include "orvanta/store/verse_record_reader.h"

QString ResultEntryText(const VerseRecord& record) {
    LoadSurahInfo(record);
    return SurahInfo().SurahName + QStringLiteral(" :آية ") + record.AyahNo;
}

ResultEntries ReadResultEntries(const QString& resultsFile) {
    ResultEntries entries;
    VerseRecordReader reader;
    reader.Open(resultsFile);
    VerseRecord record;
    while (reader.Next(record)) {
        entries.texts.append(ResultEntryText(record));
        entries.verseIds.append(record.VerseId);
    }
    return entries;
}

std::optional<VerseRecord> FindResult(const QString& resultsFile, const QString& verseId) {
    std::optional<VerseRecord> found;
    VerseRecordReader reader;
    reader.Open(resultsFile);
    VerseRecord record;
    while (reader.NextWithId(verseId, record))
        found = record;
    return found;
}

QString ShownVerseText(const VerseRecord& record, const QString& surahName) {
    return QStringLiteral(" {") + record.AyahText + QStringLiteral(" }") + surahName +
           record.AyahNo;
}
