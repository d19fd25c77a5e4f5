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
    QStringView rest = QStringView(verseCountText).mid(kVerseCountLabelLength);
    // The count stands on the label's second line.
    while (rest.startsWith(u'\r') || rest.startsWith(u'\n'))
        rest = rest.mid(1);
    return qMax(0, int(numericValue(rest)));
}

QStringList FirstVerseEntries(int verseCount) {
    return numberTexts(1, verseCount);
}

QStringList LastVerseEntries(int p, int entryCount) {
    return numberTexts(p + 2, entryCount);
}
