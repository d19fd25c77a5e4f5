#pragma once

#include "orvanta/store/surah_info.h"
#include "orvanta/store/verse_record.h"

#include <QString>

// The decorated header in front of the first verse of a surah: a line of
// cedillas, the surah's name, place of revelation and verse count between
// "~§§" marks, and a line of degree signs, each line ended by CR LF.
QString SurahHeader(const SurahInfoTexts& info);

// One verse as the browser shows it: its text and its number as the file
// gives it, in braces, then a space: "TEXT{n} ".
QString VersePiece(const VerseRecord& record);

// Builds the text of one Mushaf page from the verse records, given in file
// order. Records of other pages are skipped. The facts of each verse's surah
// come from LoadSurahInfo, which leaves them in SurahInfo() as for any verse
// that is shown.
class PageTextBuilder {
public:
    explicit PageTextBuilder(double page) : page_(page) {}

    void Add(const VerseRecord& record);
    const QString& Text() const { return text_; }

private:
    double page_;
    QString text_;
};

// The text of a page read from a verse record file; empty when the file
// cannot be read or has no verse on that page.
QString PageText(const QString& verseFilePath, double page);
