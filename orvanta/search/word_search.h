#pragma once

#include "orvanta/search/search_request.h"

#include <QString>

class SearchSurface;

inline const QString kSearchWaitText = QStringLiteral("فضلا انتظر قليلا");
inline const QString kSearchResultsText = QStringLiteral("نتائج البحث");
// The status line and the message when the hits cannot be saved.
inline const QString kResultsNotSavedText = QStringLiteral("تعذر حفظ نتائج البحث");

// "نتائج البحث", a blank and the count.
QString SearchResultsText(int count);

enum class SearchEnd {
    Done,     // the hits are in the results file and the lists
    NotSaved, // the results file could not be written: no hits listed
    Ignored,  // another search was still running
};

struct SearchOutcome {
    SearchEnd end = SearchEnd::Ignored;
    int hits = 0; // entries listed
};

// The word search: scans the verse file once, writes every verse in scope
// that contains the word to the results file, reads that file back into the
// result lists and shows the first hit. It yields to the event queue after
// every record (and, without diacritics, after every hit), so the windows
// stay alive; a search started meanwhile is ignored, as the surface's users
// must ignore clicks in the list and copy commands (WordSearchRunning()).
//
// When the results file cannot be written the search ends with both lists
// empty, says so in the status line and reports it; the old file is left as
// it was but never read back as the new hits.
SearchOutcome RunWordSearch(const SearchRequest& request, SearchSurface& surface,
                            const QString& verseFile, const QString& resultsFile);

// True from the start of a search until its windows are restored.
bool WordSearchRunning();
