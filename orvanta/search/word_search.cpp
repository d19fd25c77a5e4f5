#include "orvanta/search/word_search.h"

#include "orvanta/search/harakat.h"
#include "orvanta/search/result_entries.h"
#include "orvanta/search/results_file_writer.h"
#include "orvanta/search/search_state.h"
#include "orvanta/search/search_surface.h"
#include "orvanta/store/verse_record_reader.h"

#include <optional>

namespace {

bool running = false;

class RunningSearch {
public:
    RunningSearch() { running = true; }
    ~RunningSearch() { running = false; }
    RunningSearch(const RunningSearch&) = delete;
    RunningSearch& operator=(const RunningSearch&) = delete;
};

// Scans the verse file, writing the hits; false when writing failed.
bool scan(const SearchRequest& request, SearchSurface& surface, const QString& verseFile,
          ResultsFileWriter& writer) {
    const bool withDiacritics = request.Check1 == 1;
    int scannedCount = 0;
    int hitCount = 0;
    VerseRecordReader reader;
    reader.Open(verseFile);
    VerseRecord record;
    while (reader.Next(record)) {
        surface.YieldToEvents();
        surface.DrawSearchProgress(++scannedCount);
        const bool inScope = InScope(request, record.JuzNo);
        if (withDiacritics) {
            DiacriticsMode = 1;
            if (inScope && record.AyahText.contains(request.Text1) && !writer.Append(record))
                return false;
        } else if (inScope && BareText(record.AyahText).contains(request.Text1)) {
            if (!writer.Append(record))
                return false;
            surface.YieldToEvents();
            ++hitCount;
            surface.ShowHitCount(hitCount);
        }
    }
    return true;
}

} // namespace

QString SearchResultsText(int count) {
    return kSearchResultsText + u' ' + QString::number(count);
}

bool WordSearchRunning() {
    return running;
}

SearchOutcome RunWordSearch(const SearchRequest& request, SearchSurface& surface,
                            const QString& verseFile, const QString& resultsFile) {
    if (running)
        return {SearchEnd::Ignored, 0};
    std::optional<RunningSearch> runningSearch(std::in_place);

    surface.YieldToEvents();
    SearchWord = request.Text1;
    surface.PrepareWindows();
    surface.ShowStatus(kSearchWaitText);
    if (request.Check1 != 1)
        SearchWord = BareSearchWord(request.Text1);

    ResultsFileWriter writer;
    bool saved = writer.Open(resultsFile);
    surface.ClearLists();
    saved = saved && scan(request, surface, verseFile, writer);
    saved = saved && writer.Commit();
    if (!saved) {
        writer.Cancel();
        surface.ShowStatus(kResultsNotSavedText);
        surface.RestoreDialog();
        runningSearch.reset();
        surface.ReportNotSaved(kResultsNotSavedText);
        return {SearchEnd::NotSaved, 0};
    }

    const ResultEntries entries = ReadResultEntries(resultsFile);
    surface.AddHits(entries.texts, entries.verseIds);
    if (!entries.texts.isEmpty())
        surface.ShowFirstHit();
    surface.ShowStatus(SearchResultsText(static_cast<int>(entries.texts.size())));
    surface.RestoreDialog();
    return {SearchEnd::Done, static_cast<int>(entries.texts.size())};
}
