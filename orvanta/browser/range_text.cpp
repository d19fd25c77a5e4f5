#include "orvanta/browser/range_text.h"

#include "common/numeric_value.h"
#include "orvanta/browser/page_text.h"

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

} // namespace

QString RangeHeader(const SurahInfoTexts& info, const QString& verseCount) {
    return kLineEnd + QStringLiteral("~§§  ") + info.SurahName + u'(' + info.RevelationPlace +
           u')' + verseCount + QStringLiteral("  §§~") + kLineEnd;
}

RangeTextBuilder::RangeTextBuilder(double surahNo, double first, double last,
                                   const QString& verseCount)
    : surahNo_(surahNo), first_(first), last_(last), verseCount_(verseCount) {}

bool RangeTextBuilder::Matches(const VerseRecord& record) const {
    const double ayahNo = numericValue(record.AyahNo);
    return numericValue(record.SurahNo) == surahNo_ && ayahNo >= first_ && last_ >= ayahNo;
}

bool RangeTextBuilder::Add(const VerseRecord& record) {
    if (!Matches(record))
        return false;
    if (first_ == 1 && !headerShown_) {
        LoadSurahInfo(record);
        header_ = RangeHeader(SurahInfo(), verseCount_);
        headerShown_ = true;
    }
    verses_ += VersePiece(record);
    numbers_.append(QString::number(numericValue(record.AyahNo)));
    return true;
}
