#include "velisar/engine/search_texts.h"

QString progressText(qsizetype scanPosition, qsizetype textLength, const QString& query) {
    const double percent = double(scanPosition) / double(textLength) * 100;
    // The general number form with as many digits as a double carries, of
    // which the label keeps four characters: 12.5, 33.3, 100, 0.00.
    return QString::number(percent, 'g', 15).left(4) + QStringLiteral("%   البحث عن : ") + query;
}

QString finishedText(const QString& query) {
    return QStringLiteral("100%   ") + query;
}

QString resultRef(int verse, int surah, const QStringList& soraNames) {
    return u'(' + QString::number(verse) + u')' + soraNames.value(0) + soraNames.value(surah);
}

QString resultEntry(QStringView verseText, const QString& ref) {
    QString entry;
    entry.reserve(verseText.size() + ref.size() + 3);
    entry.append(u'{').append(verseText).append(u"} ").append(ref);
    return entry;
}

QString resultLabel(qsizetype n, const QString& ref) {
    return QString::number(n) + QStringLiteral("- ") + ref;
}

QString resultCountText(qsizetype count) {
    return QStringLiteral("عدد النتائج : ") + QString::number(count);
}
