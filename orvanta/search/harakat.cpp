#include "orvanta/search/harakat.h"

#include "common/cp1256.h"

namespace {

constexpr char16_t kFirstHaraka = 0x064B; // fathatan
constexpr char16_t kLastHaraka = 0x0652;  // sukun
constexpr int kFirstMarkCode = 240;

} // namespace

bool IsHaraka(QChar ch) {
    return ch.unicode() >= kFirstHaraka && ch.unicode() <= kLastHaraka;
}

bool IsMarkCode(QChar ch) {
    return cp1256::code(ch) >= kFirstMarkCode;
}

bool IsHaraka(QStringView text) {
    return text.size() == 1 && IsHaraka(text.front());
}

QString BareSearchWord(QStringView typed) {
    QString kept;
    kept.reserve(typed.size());
    for (const QChar ch : typed)
        if (!IsMarkCode(ch))
            kept.append(ch);
    return kept;
}

QString BareText(QStringView ayahText) {
    // Built for every verse of every search: written straight into place.
    QString bare(ayahText.size(), Qt::Uninitialized);
    QChar* out = bare.data();
    for (const QChar ch : ayahText)
        if (!IsHaraka(ch))
            *out++ = ch;
    bare.truncate(out - bare.constData());
    return bare;
}
