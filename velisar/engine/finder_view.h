#pragma once

#include "velisar/engine/velisar_message.h"

#include <QString>

// What the search does to the finder window, named after what the user sees.
// The finder window implements it; the tests use a fake that records the
// calls. Only showResults and showNothingFound may let pending events run
// (the result list's layout yields, the message box waits for the user);
// they run while the search still counts as running, so a second search,
// Cancel or Esc handled there finds the first one in progress.
class FinderView {
public:
    virtual ~FinderView() = default;

    // Lets the window handle its pending events.
    virtual void yieldToEvents() = 0;

    // A search begins: enable the window; hide and empty the result list;
    // hide the count and surah labels; put the empty progress label in place
    // of the text box, which is hidden and disabled; show the Cancel button
    // and mark it as stopping a search ("إيقاف البحث"); disable the Start
    // and help buttons.
    virtual void enterSearchMode() = 0;

    // The progress label's text.
    virtual void showProgress(const QString& text) = 0;

    // Whether the result list is on screen. It is hidden while a search
    // runs; something that shows it meanwhile ends the search.
    virtual bool resultListShown() const = 0;

    // Appends a row to the result list.
    virtual void addResultRow(const QString& entry) = 0;

    // The scan is over: the progress label shows textBoxText and is hidden,
    // the text box shows the same text and is shown again (still disabled),
    // and the count label is emptied.
    virtual void leaveSearchMode(const QString& textBoxText) = 0;

    // Rows were found: the count label shows countText and the window is
    // laid out with its result list.
    virtual void showResults(const QString& countText) = 0;

    // Nothing was found: release the word processor (the next double click
    // copies instead of inserting); the text box shows query; empty the
    // count and surah labels; show message; enable the text box and give it
    // the focus.
    virtual void showNothingFound(const QString& query, const VelisarMessage& message) = 0;
};
