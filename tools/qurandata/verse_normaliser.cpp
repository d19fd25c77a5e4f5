#include "tools/qurandata/verse_normaliser.h"

namespace {

constexpr char16_t kAlefMaksura = 0x0649;
constexpr char16_t kSuperscriptAlef = 0x0670;
constexpr char16_t kFatha = 0x064E;

bool isPauseMark(char16_t u) {
    return (u >= 0x06D6 && u <= 0x06DC) || u == 0x06DE || u == 0x06E9;
}

bool isBlank(char16_t u) {
    return u == u' ' || u == u'\t';
}

} // namespace

bool isHaraka(QChar ch) {
    return ch.unicode() >= 0x064B && ch.unicode() <= 0x0652;
}

QString normaliseArabicText(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (isPauseMark(u))
            continue;
        if (u == kSuperscriptAlef) {
            if (!out.isEmpty() && out.back() == QChar(kAlefMaksura))
                continue;
            out.append(QChar(kFatha));
            continue;
        }
        if (isBlank(u)) {
            if (!out.isEmpty() && out.back() != u' ')
                out.append(u' ');
            continue;
        }
        out.append(ch);
    }
    if (out.endsWith(u' '))
        out.chop(1);
    return out;
}

QString withoutHarakat(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text)
        if (!isHaraka(ch))
            out.append(ch);
    return out;
}
