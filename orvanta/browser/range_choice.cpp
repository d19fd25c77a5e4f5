#include "orvanta/browser/range_choice.h"

#include "common/numeric_value.h"

namespace {

constexpr qsizetype kVerseCountLabelLength = 11;

QStringList numberTexts(int from, int to) {
    QStringList texts;
    for (int n = from; n <= to; ++n)
        texts.append(QString::number(n));
    return texts;
}

} // namespace

int OfferedVerseCount(const QString& verseCountText) {
    // The count stands on the label's second line, after its CR LF.
    return qMax(0, int(numericValue(QStringView(verseCountText).mid(kVerseCountLabelLength))));
}

QStringList FirstVerseEntries(int verseCount) {
    return numberTexts(1, verseCount);
}

QStringList LastVerseEntries(int p, int entryCount) {
    return numberTexts(p + 2, entryCount);
}
