#include "velisar/engine/verse_key.h"

#include <QString>
#include <algorithm>

int windowValue(QStringView window) {
    int value = 0;
    bool anyDigit = false;
    for (const QChar ch : window) {
        if (ch == u' ' || ch == u'\t' || ch == u'\n')
            continue;
        if (ch < u'0' || ch > u'9')
            break;
        value = value * 10 + (ch.unicode() - u'0');
        anyDigit = true;
    }
    return anyDigit ? value : 0;
}

int verseNumberBefore(QStringView text, qsizetype slashIndex) {
    for (const qsizetype width : {3, 2, 1}) {
        const qsizetype from = std::max<qsizetype>(0, slashIndex - width);
        const int value = windowValue(text.sliced(from, slashIndex - from));
        if (value > 0)
            return value;
    }
    return 0;
}

int surahNumberAfter(QStringView text, qsizetype slashIndex) {
    return windowValue(text.mid(slashIndex + 1, 3));
}

QString verseKey(int verse, int surah) {
    return QString::number(verse) + u'/' + QString::number(surah);
}
