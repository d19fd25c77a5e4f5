#include "velisar/link/word_processor_link.h"

#include "velisar/engine/clean_search_text.h"
#include "velisar/engine/verse_search.h"
#include "velisar/link/clipboard.h"
#include "velisar/link/link_window.h"
#include "velisar/link/word_processor.h"

namespace {

// What the verse is set in when the selection mixes fonts or its size
// cannot be read.
const QString kFallbackFontName = QStringLiteral("Traditional Arabic");
constexpr double kFallbackFontSize = 21;

// The selected words are replaced by this first; the verse is appended
// after it, so the whole insertion carries the font set on the range.
const QString kPasteText = QStringLiteral(" ");

} // namespace

WordProcessorLink::WordProcessorLink(WordProcessor& wordProcessor, LinkWindow& window,
                                     Clipboard& clipboard, VerseSearch& search)
    : wordProcessor_(wordProcessor), window_(window), clipboard_(clipboard), search_(search) {}

void WordProcessorLink::releaseWordApp() {
    wordProcessor_.release();
}

void WordProcessorLink::Search_4User_Text_In_Quran() {
    window_.markSearchRunning();
    window_.yieldToEvents();
    window_.enableWindow();
    releaseWordApp();
    window_.yieldToEvents();

    if (!wordProcessor_.attach()) {
        releaseWordApp();
        window_.yieldToEvents();
        window_.restoreNormalState();
        window_.yieldToEvents();
        window_.Searching_By_myText();
        return;
    }

    // Bounds that cannot be read leave the last ones unusable too: an
    // insertion must never go where an earlier wake-up found a selection.
    const std::optional<SelectionBounds> bounds = wordProcessor_.selectionBounds();
    Sel_Start = bounds ? bounds->start : 0;
    Sel_End = bounds ? bounds->end : 0;
    window_.yieldToEvents();
    window_.yieldToEvents();

    window_.clearForLookup();
    window_.yieldToEvents();
    window_.yieldToEvents();
    window_.Searching_By_myText();

    const std::optional<QString> selected = wordProcessor_.selectedText();
    const QString query = selected ? Clean_Search_Text(*selected) : QString();
    if (query.isEmpty() || !bounds || !documentReady()) {
        releaseWordApp();
        return;
    }
    search_.Find_Text_In_Quran(query);
}

bool WordProcessorLink::documentReady() {
    const std::optional<int> documents = wordProcessor_.documentCount();
    return documents && *documents >= 1 && qint64(Sel_End) - qint64(Sel_Start) >= 1;
}

void WordProcessorLink::QRsult_DblClick() {
    const std::optional<QString> identity = wordProcessor_.identity();
    if (!identity || identity->isEmpty()) {
        Copy_Aya_2Mem_Click();
        return;
    }
    if (!documentReady()) {
        // The window rests but stays on screen, so the user sees that
        // nothing was inserted.
        window_.Show_Icon_Window();
        return;
    }
    const int row = window_.selectedRow();
    // Without a row there is nothing to put in place of the user's words.
    if (row < 0 || row >= window_.resultRowCount())
        return;
    insertVerse(row);
}

void WordProcessorLink::insertVerse(int row) {
    QString fontName = wordProcessor_.selectionFontName().value_or(QString());
    double fontSize = wordProcessor_.selectionFontSize().value_or(0);
    window_.yieldToEvents();
    if (fontName.trimmed().size() < 2)
        fontName = kFallbackFontName;
    if (fontSize < 1)
        fontSize = kFallbackFontSize;
    window_.yieldToEvents();

    // Trimmed before padding, so inserting the same row again adds no
    // further spaces.
    const QString entry = u' ' + trimSpaces(search_.resultText(row)) + u' ';
    search_.setResultText(row, entry);

    clipboard_.clear();
    window_.yieldToEvents();
    clipboard_.setText(kPasteText);
    window_.yieldToEvents();

    wordProcessor_.setSmartCutPaste(false);
    // The user's words must be replaced where they were selected; when that
    // place cannot be reached any more, the verse is copied instead of
    // landing on whatever is selected now.
    if (!wordProcessor_.setSelection(Sel_Start, Sel_End) || !wordProcessor_.takeSelectionRange()) {
        Copy_Aya_2Mem_Click();
        return;
    }
    window_.yieldToEvents();
    wordProcessor_.rangePaste(kPasteText);
    wordProcessor_.setRangeFontName(fontName);
    wordProcessor_.setRangeFontSize(fontSize);
    window_.yieldToEvents();

    wordProcessor_.rangeInsertAfter(entry);
    window_.yieldToEvents();
    wordProcessor_.setRangeFontName(fontName);
    wordProcessor_.setRangeFontSize(fontSize);
    window_.yieldToEvents();

    if (const std::optional<QString> inserted = wordProcessor_.rangeText()) {
        clipboard_.clear();
        clipboard_.setText(*inserted);
    }
    window_.Show_Icon_Window();
    window_.minimizeWindow();
    window_.yieldToEvents();
}

void WordProcessorLink::Copy_Aya_2Mem_Click() {
    window_.hideCopyAndHelpButtons();
    window_.yieldToEvents();
    if (window_.resultRowCount() < 1)
        return;
    clipboard_.clear();
    window_.yieldToEvents();
    const int row = window_.selectedRow();
    if (row >= 0)
        clipboard_.setText(search_.resultText(row));
    window_.yieldToEvents();
    window_.Show_All_Command_Button();
}
