#include "common/numeric_value.h"

namespace {
// Line breaks are blanks too: the number of a two-line label stands after
// its CR LF.
bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}
bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
} // namespace

double numericValue(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    double sign = 1;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        sign = text[i] == u'-' ? -1 : 1;
        ++i;
    }
    double value = 0;
    for (; i < n && isDigit(text[i]); ++i)
        value = value * 10 + (text[i].unicode() - u'0');
    if (i < n && text[i] == u'.') {
        double scale = 0.1;
        for (++i; i < n && isDigit(text[i]); ++i, scale /= 10)
            value += (text[i].unicode() - u'0') * scale;
    }
    return sign * value;
}
