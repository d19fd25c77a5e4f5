#include "orvanta/search/copy_texts.h"

#include "orvanta/store/surah_info.h"
#include "orvanta/store/verse_record_reader.h"

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QString kGoAndPaste = QStringLiteral("اذهب والصق في المكان الذي تريد");

// "ـ(" n ")ـ": the count between tatweels, outside the parentheses.
QString countInBrackets(int count) {
    return QStringLiteral("ـ(") + QString::number(count) + QStringLiteral(")ـ");
}

QString numberedVerse(int number, const VerseRecord& record, const QString& surahName) {
    return QString::number(number) + QStringLiteral(" - { ") + record.AyahText +
           QStringLiteral(" } ") + surahName + record.AyahNo + kLineEnd;
}

} // namespace

QString ShownVerseWithTafsir(const QString& verse, const QString& tafsir1, const QString& tafsir2,
                             VisibleTafsir visible) {
    QString text;
    if (visible.first)
        text = verse + kLineEnd + tafsir1;
    if (visible.second)
        text = verse + kLineEnd + tafsir2;
    return text;
}

MarkedVersesCopy CopyMarkedVerses(const QString& resultsFile, const QStringList& markedIds,
                                  bool withTafsir, VisibleTafsir visible) {
    MarkedVersesCopy copy;
    VerseRecordReader reader;
    if (!reader.Open(resultsFile))
        return copy;
    VerseRecord record;
    for (const QString& id : markedIds) {
        // The reader is never rewound: the list and the file are in the
        // same order.
        if (!reader.NextWithId(id, record))
            continue;
        ++copy.count;
        LoadSurahInfo(record);
        const QString verse = numberedVerse(copy.count, record, SurahInfo().SurahName);
        if (!withTafsir) {
            copy.text += verse;
            continue;
        }
        if (visible.first)
            copy.text += verse + record.Tafsir1 + kLineEnd + kLineEnd;
        if (visible.second)
            copy.text += verse + record.Tafsir2 + kLineEnd + kLineEnd;
    }
    return copy;
}

QString VerseCopiedText() {
    return QStringLiteral(" تم نسخ الآية الحالية") + u' ' + kGoAndPaste;
}

QString VerseAndTafsirCopiedText() {
    return QStringLiteral(" تم نسخ الآية الحالية وتفسيرها") + u' ' + kGoAndPaste;
}

QString MarkedVersesCopiedText(int count) {
    // No blank before "اذهب" here, unlike the message with tafsir.
    return QStringLiteral(" تم نسخ الآيات المحددة  وعددها") + countInBrackets(count) + kGoAndPaste;
}

QString MarkedVersesAndTafsirCopiedText(int count) {
    return QStringLiteral(" تم نسخ الآيات المحددة وتفسيرها  وعددها") + countInBrackets(count) +
           u' ' + kGoAndPaste;
}
