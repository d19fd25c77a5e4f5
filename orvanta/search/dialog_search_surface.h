#pragma once

#include "orvanta/search/search_surface.h"

#include <QPointer>

class FindDialog;
class ResultsWindow;

// The windows a search started from the search dialog drives: the dialog's
// status line, progress bar and close button, the results window's lists and
// verse view.
class DialogSearchSurface : public SearchSurface {
public:
    DialogSearchSurface(FindDialog* dialog, ResultsWindow* results);

    void YieldToEvents() override;
    void PrepareWindows() override;
    void DrawSearchProgress(int scannedCount) override;
    void ShowStatus(const QString& text) override;
    void ShowHitCount(int hitCount) override;
    void ClearLists() override;
    void AddHits(const QStringList& texts, const QStringList& verseIds) override;
    void ShowFirstHit() override;
    void RestoreDialog() override;
    void ReportNotSaved(const QString& text) override;

private:
    // Either window may be gone when the program ends during a search.
    QPointer<FindDialog> dialog_;
    QPointer<ResultsWindow> results_;
};
