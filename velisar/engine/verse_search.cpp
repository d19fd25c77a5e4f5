#include "velisar/engine/verse_search.h"

#include "velisar/engine/search_texts.h"
#include "velisar/engine/verse_key.h"

#include <QScopedValueRollback>
#include <algorithm>

namespace {

// The characters that may end the text before a verse: "." "/" and the
// digits (codes 46 to 57), which occur only inside keys.
bool isKeyCharacter(QChar ch) {
    return ch >= u'.' && ch <= u'9';
}

// Where a verse starts when only its own key is known: just after the last
// key character before it, or at the start of the text. A start at the
// text's second character (a key character first) counts as the start too.
qsizetype startAfterPrecedingKey(QStringView text, qsizetype keyIndex) {
    qsizetype start = 0;
    for (qsizetype i = keyIndex - 1; i >= 0; --i) {
        if (isKeyCharacter(text[i])) {
            start = i + 1;
            break;
        }
    }
    return start < 2 ? 0 : start;
}

} // namespace

VerseSearch::VerseSearch(const QuranTexts& texts, FinderView& view) : texts_(texts), view_(view) {}

bool VerseSearch::Find_Text_In_Quran(const QString& query) {
    if (searching_ || query.isEmpty())
        return false;
    const QScopedValueRollback<bool> running(searching_, true);
    // Esc in the text box asks for a stop even when no search runs; such a
    // request is not meant for the search the user starts afterwards.
    Stop_Search = 0;
    resultTexts_.clear();
    resultLabels_.clear();
    view_.enterSearchMode();
    view_.yieldToEvents();
    scan(query);
    finish(query);
    return true;
}

void VerseSearch::scan(const QString& query) {
    const QStringView plain(texts_.Plain_Text);
    keys_.update(texts_.Vocalized_Text);
    keyFrom_ = 0;
    qsizetype scanFrom = 0;
    int lastSurah = 0;
    int lastVerse = 0;
    for (;;) {
        const qsizetype hit = plain.indexOf(query, scanFrom, Qt::CaseInsensitive);
        if (!plain.isEmpty())
            view_.showProgress(progressText(scanFrom + 1, plain.size(), query));
        view_.yieldToEvents();
        if (hit < 0 || view_.resultListShown() || Stop_Search != 0)
            return;

        const qsizetype slash = plain.indexOf(u'/', hit);
        if (slash < 0)
            return; // past the last key: no verse holds this hit
        // Going on from the key means a second hit in the same verse is never
        // listed. (A cleaned query holds no "/", so the key lies after the
        // hit; the max only keeps any other query from finding it forever.)
        const qsizetype pastVerse = std::max(slash, hit + 1);
        const int verse = verseNumberBefore(plain, slash);
        if (verse < 1) {
            scanFrom = pastVerse;
            continue;
        }
        const int surah = surahNumberAfter(plain, slash);
        if (surah < lastSurah || (surah == lastSurah && verse < lastVerse)) {
            scanFrom = pastVerse; // a verse before the last one listed
            continue;
        }
        lastSurah = surah;
        lastVerse = verse;

        if (const std::optional<QStringView> verseText = cutVerse({verse, surah})) {
            addRow(*verseText, resultRef(verse, surah, texts_.Sora_Names));
            scanFrom = pastVerse;
            continue;
        }
        // The vocalised text lacks this key: skip the verse.
        const qsizetype nextKey = plain.indexOf(u'/', hit + 3);
        if (nextKey < 0)
            return;
        scanFrom = nextKey;
    }
}

std::optional<QStringView> VerseSearch::cutVerse(const Hit& hit) {
    const QStringView vocalized(texts_.Vocalized_Text);
    const QString key = verseKey(hit.verse, hit.surah);
    for (;;) {
        const qsizetype keyIndex = vocalized.indexOf(key, keyFrom_);
        if (keyIndex < 0)
            return std::nullopt;
        keyFrom_ = keyIndex + key.size();

        // A verse after the first starts right after the previous verse's key.
        qsizetype start = -1;
        if (hit.verse > 1) {
            const qsizetype previous = keys_.firstIndexOf(hit.verse - 1, hit.surah);
            if (previous >= 0)
                start = previous + verseKey(hit.verse - 1, hit.surah).size();
        }
        if (start >= 0 && keyIndex > start &&
            vocalized.sliced(start, keyIndex - start).contains(u'/'))
            start = -1; // the cut would reach back across other keys
        if (start < 0)
            start = startAfterPrecedingKey(vocalized, keyIndex);
        // No character between the verse start and the key: this is the
        // tail of a longer key ("5/2" inside "15/2"); look further on.
        if (keyIndex <= start)
            continue;
        return vocalized.sliced(start, keyIndex - start);
    }
}

void VerseSearch::addRow(QStringView verseText, const QString& ref) {
    const QString entry = resultEntry(verseText, ref);
    resultTexts_.append(entry);
    resultLabels_.append(::resultLabel(resultTexts_.size(), ref));
    view_.addResultRow(entry);
}

void VerseSearch::finish(const QString& query) {
    view_.leaveSearchMode(finishedText(query));
    view_.yieldToEvents();
    Stop_Search = 0;
    if (!resultTexts_.isEmpty())
        view_.showResults(resultCountText(resultTexts_.size()));
    else
        view_.showNothingFound(query, notFoundMessage(query));
}

void VerseSearch::setResultText(qsizetype row, const QString& text) {
    if (row >= 0 && row < resultTexts_.size())
        resultTexts_[row] = text;
}

void VerseSearch::clearResults() {
    resultTexts_.clear();
    resultLabels_.clear();
}
