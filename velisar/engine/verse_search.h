#pragma once

#include "velisar/engine/finder_view.h"
#include "velisar/engine/key_positions.h"
#include "velisar/engine/quran_texts.h"

#include <QString>
#include <QStringList>
#include <optional>

// The verse search: finds a cleaned query in the plain text, reads the key
// after each hit, cuts the same verse out of the vocalised text and lists it
// in the finder window with its reference. It reads the texts in place and
// keeps, for the word-processor link, the text and label of every row.
class VerseSearch {
public:
    // Both must outlive the search.
    VerseSearch(const QuranTexts& texts, FinderView& view);

    // Searches the query (a text cleaned by Clean_Search_Text, not empty)
    // and shows the rows found, or tells the user nothing was found. A call
    // made while a search runs (from an event handled during one of its
    // yields) is refused and returns false: the running search keeps its
    // state and its rows.
    bool Find_Text_In_Quran(const QString& query);

    bool isSearching() const { return searching_; }

    // Cancel and Esc: a running search stops at its next check and its rows
    // are shown. A request made while no search runs is dropped by the next
    // search when it starts, so it never stops a search the user has not
    // yet asked for.
    void requestStop() { Stop_Search = -1; }
    void clearStopRequest() { Stop_Search = 0; }
    bool stopRequested() const { return Stop_Search != 0; }

    // One entry per row of the last search, in the list's order. A row the
    // tables do not hold reads as empty.
    const QStringList& Result_Texts() const { return resultTexts_; }
    const QStringList& Result_Labels() const { return resultLabels_; }
    QString resultText(qsizetype row) const { return resultTexts_.value(row); }
    QString resultLabel(qsizetype row) const { return resultLabels_.value(row); }
    // The link pads a row's text before inserting it; a row the tables do
    // not hold is left alone.
    void setResultText(qsizetype row, const QString& text);
    // Going back to rest empties both tables.
    void clearResults();

private:
    struct Hit {
        int verse;
        int surah;
    };
    void scan(const QString& query);
    // The verse of hit in Vocalized_Text, cut between the keys around it;
    // nothing when the vocalised text lacks its key.
    std::optional<QStringView> cutVerse(const Hit& hit);
    void addRow(QStringView verseText, const QString& ref);
    void finish(const QString& query);

    const QuranTexts& texts_;
    FinderView& view_;
    KeyPositions keys_;

    bool searching_ = false;
    qint16 Stop_Search = 0;
    // Where the next key is looked for in Vocalized_Text: hits come in text
    // order, so keys do too.
    qsizetype keyFrom_ = 0;
    QStringList resultTexts_;
    QStringList resultLabels_;
};
