#include "velisar/engine/clean_search_text.h"

#include "common/cp1256.h"

namespace {
constexpr char16_t kTatweel = u'\u0640';
constexpr char16_t kSpace = u' ';
} // namespace

QString trimSpaces(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == kSpace)
        ++begin;
    while (end > begin && text.at(end - 1) == kSpace)
        --end;
    return text.mid(begin, end - begin);
}

QString Clean_Search_Text(const QString& text) {
    if (trimSpaces(text) == u"*")
        return QStringLiteral("*");
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        if (ch == kTatweel)
            continue;
        if (ch == kSpace) {
            if (!result.endsWith(kSpace))
                result.append(ch);
            continue;
        }
        // Above 237 lie the vowel marks and the direction marks; below 128
        // everything ASCII. A character the code page lacks counts as "?".
        const int code = cp1256::code(ch);
        if (code >= 128 && code <= 237)
            result.append(ch);
    }
    return trimSpaces(result);
}
