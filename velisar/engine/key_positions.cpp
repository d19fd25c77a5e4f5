#include "velisar/engine/key_positions.h"

#include "velisar/engine/verse_key.h"

namespace {

bool isDigit(QChar ch) {
    return ch >= u'0' && ch <= u'9';
}

// A number as the keys write it: no leading zero unless it is "0" itself.
// Other digit strings can never be asked for.
bool isWrittenNumber(QStringView digits) {
    return digits.size() == 1 || digits.front() != u'0';
}

int digitsValue(QStringView digits) {
    int value = 0;
    for (const QChar ch : digits)
        value = value * 10 + (ch.unicode() - u'0');
    return value;
}

} // namespace

void KeyPositions::update(const QString& text) {
    if (text.constData() == text_.constData() && text.size() == text_.size())
        return;
    text_ = text;
    first_.clear();
    const QStringView view(text_);
    for (qsizetype slash = view.indexOf(u'/'); slash >= 0; slash = view.indexOf(u'/', slash + 1)) {
        for (int before = 1; before <= kMaxDigits; ++before) {
            if (slash - before < 0 || !isDigit(view[slash - before]))
                break;
            const QStringView verse = view.sliced(slash - before, before);
            for (int after = 1; after <= kMaxDigits; ++after) {
                if (slash + after >= view.size() || !isDigit(view[slash + after]))
                    break;
                const QStringView surah = view.sliced(slash + 1, after);
                if (!isWrittenNumber(verse) || !isWrittenNumber(surah))
                    continue;
                const int key = digitsValue(verse) * kLimit + digitsValue(surah);
                if (!first_.contains(key))
                    first_.insert(key, slash - before);
            }
        }
    }
}

qsizetype KeyPositions::firstIndexOf(int verse, int surah) const {
    if (verse < 0 || surah < 0 || verse >= kLimit || surah >= kLimit)
        return text_.indexOf(verseKey(verse, surah));
    return first_.value(verse * kLimit + surah, -1);
}
