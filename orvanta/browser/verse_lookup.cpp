#include "orvanta/browser/verse_lookup.h"

#include "common/numeric_value.h"
#include "orvanta/store/verse_record_reader.h"

QString VerseMarker(const QString& number) {
    return u'{' + number + u'}';
}

std::optional<VerseRecord> FindVerse(const QString& verseFilePath, double surahNo, double ayahNo) {
    VerseRecordReader reader;
    if (!reader.Open(verseFilePath))
        return std::nullopt;
    std::optional<VerseRecord> found;
    VerseRecord record;
    while (reader.Next(record)) {
        if (numericValue(record.SurahNo) == surahNo && numericValue(record.AyahNo) == ayahNo)
            found = record;
    }
    reader.Close();
    return found;
}
