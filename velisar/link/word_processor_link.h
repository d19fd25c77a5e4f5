#pragma once

#include <QString>
#include <QtGlobal>

class Clipboard;
class LinkWindow;
class VerseSearch;
class WordProcessor;

// The finder's side of the word processor: at wake-up it searches the text
// the user has selected in the open document; a double click on a result
// puts the verse in place of that selection, in its font; without a word
// processor the verse goes to the clipboard instead. No failure of the word
// processor is ever shown to the user: a missing one, no document or an
// unusable selection only leave the window waiting for typed input.
class WordProcessorLink {
public:
    // All four must outlive the link.
    WordProcessorLink(WordProcessor& wordProcessor, LinkWindow& window, Clipboard& clipboard,
                      VerseSearch& search);

    // The wake-up lookup: attach, read the selection, search it.
    void Search_4User_Text_In_Quran();
    // Double click (or Enter) on a result row: insert it, or copy it when
    // the link is gone.
    void QRsult_DblClick();
    // The copy pop-up: the selected row's verse to the clipboard.
    void Copy_Aya_2Mem_Click();

    // Forgets the word processor; the next double click copies.
    void releaseWordApp();

    // The selection read at the last wake-up; the verse goes exactly there.
    qint32 Sel_Start = 0;
    qint32 Sel_End = 0;

private:
    // Whether the document and the remembered selection can take a verse.
    bool documentReady();
    void insertVerse(int row);

    WordProcessor& wordProcessor_;
    LinkWindow& window_;
    Clipboard& clipboard_;
    VerseSearch& search_;
};
