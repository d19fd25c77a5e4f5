#include "orvanta/browser/page_text.h"

#include "common/numeric_value.h"
#include "orvanta/store/verse_record_reader.h"

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// One verse as a page shows it: the surah header when it is verse 1, then
// the verse piece.
QString pagePiece(const VerseRecord& record, const SurahInfoTexts& info) {
    const QString header = numericValue(record.AyahNo) == 1 ? SurahHeader(info) : QString();
    return header + VersePiece(record);
}

} // namespace

QString SurahHeader(const SurahInfoTexts& info) {
    QString verseCount = info.VerseCountText;
    verseCount.replace(kLineEnd, QStringLiteral(" "));
    return kLineEnd + QString(28, QChar(0x00B8)) + kLineEnd + QStringLiteral("~§§  ") +
           info.SurahName + u'(' + info.RevelationPlace + u')' + verseCount +
           QStringLiteral("  §§~") + kLineEnd + QString(24, QChar(0x00B0)) + kLineEnd;
}

QString VersePiece(const VerseRecord& record) {
    return record.AyahText + u'{' + record.AyahNo + QStringLiteral("} ");
}

void PageTextBuilder::Add(const VerseRecord& record) {
    if (numericValue(record.PageNo) != page_)
        return;
    LoadSurahInfo(record);
    text_ += pagePiece(record, SurahInfo());
}

QString PageText(const QString& verseFilePath, double page) {
    PageTextBuilder builder(page);
    VerseRecordReader reader;
    if (!reader.Open(verseFilePath))
        return {};
    VerseRecord record;
    while (reader.Next(record))
        builder.Add(record);
    reader.Close();
    return builder.Text();
}
