#include "orvanta/search/matching_walk.h"

#include "orvanta/search/harakat.h"

QString MatchingWalk(QStringView verseText, QStringView word) {
    QString h;
    qsizetype k = 0; // the next character of the word to match
    for (const QChar c : verseText) {
        if (k < word.size() && word[k] == c) {
            h.append(c);
            if (++k >= word.size())
                break;
        } else if (!h.isEmpty() && IsMarkCode(c)) {
            h.append(c);
        } else {
            h.clear();
            k = 0;
        }
    }
    return h;
}

std::optional<TextSpan> SelectionSpan(QStringView verseText, QStringView h) {
    const qsizetype start = verseText.indexOf(h);
    if (start < 0)
        return std::nullopt;
    const qsizetype length = std::min(h.size() + 1, verseText.size() - start);
    return TextSpan{start, length};
}
