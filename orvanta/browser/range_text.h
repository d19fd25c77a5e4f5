#pragma once

#include "orvanta/store/surah_info.h"
#include "orvanta/store/verse_record.h"

#include <QString>
#include <QStringList>

// The short header in front of a verse range that starts at verse 1: one
// line between CR LFs with the surah's name, its place of revelation in
// brackets and its verse count, between "~§§" marks. Unlike a page's header
// it has no decorated lines and no label before the count, which is given as
// the verse choice shows it.
QString RangeHeader(const SurahInfoTexts& info, const QString& verseCount);

// Collects the verses of one surah from a first to a last verse out of the
// verse records, given in file order. Surah and verse numbers are compared
// as numbers. The header comes with the first verse found when the range
// starts at verse 1; it takes the surah's facts from LoadSurahInfo, as for
// any verse that is shown.
class RangeTextBuilder {
public:
    RangeTextBuilder(double surahNo, double first, double last, const QString& verseCount);

    bool Matches(const VerseRecord& record) const;
    // Adds the record when it belongs to the range; true then.
    bool Add(const VerseRecord& record);

    const QString& Header() const { return header_; }
    // The verse pieces found so far, without the header.
    const QString& Verses() const { return verses_; }
    QString Text() const { return header_ + verses_; }
    // The numbers of the verses found, as decimal text, in file order: the
    // entries of the verse index.
    const QStringList& VerseNumbers() const { return numbers_; }

private:
    double surahNo_;
    double first_;
    double last_;
    QString verseCount_;
    bool headerShown_ = false;
    QString header_;
    QString verses_;
    QStringList numbers_;
};
