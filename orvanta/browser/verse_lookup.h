#pragma once

#include "orvanta/store/verse_record.h"

#include <QString>
#include <optional>

// The marker that closes a verse's piece in the page text: its number in
// braces, "{n}". The braces keep verse 1 from matching inside 11 or 21.
QString VerseMarker(const QString& number);

// The record of a verse, found by surah and verse number compared as
// numbers. The whole file is read; when several records match, the last one
// counts. None when no record matches or the file cannot be read.
std::optional<VerseRecord> FindVerse(const QString& verseFilePath, double surahNo, double ayahNo);
