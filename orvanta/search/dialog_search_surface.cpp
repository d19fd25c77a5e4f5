#include "orvanta/search/dialog_search_surface.h"

#include "orvanta/search/find_dialog.h"
#include "orvanta/search/results_window.h"
#include "orvanta/search/search_progress_box.h"
#include "orvanta/search/word_search.h"
#include "orvanta/shell/message_box.h"

#include <QCoreApplication>

DialogSearchSurface::DialogSearchSurface(FindDialog* dialog, ResultsWindow* results)
    : dialog_(dialog), results_(results) {}

void DialogSearchSurface::YieldToEvents() {
    QCoreApplication::processEvents();
}

void DialogSearchSurface::PrepareWindows() {
    if (results_)
        results_->ClearVerseView();
    if (dialog_)
        dialog_->PrepareForSearch();
}

void DialogSearchSurface::DrawSearchProgress(int scannedCount) {
    if (dialog_)
        dialog_->Controls().Picture1->DrawSearchProgress(scannedCount);
}

void DialogSearchSurface::ShowStatus(const QString& text) {
    if (dialog_)
        dialog_->ShowStatus(text);
}

void DialogSearchSurface::ShowHitCount(int hitCount) {
    if (dialog_)
        dialog_->ShowLiveStatus(SearchResultsText(hitCount));
}

void DialogSearchSurface::ClearLists() {
    if (results_)
        results_->ClearResultLists();
}

void DialogSearchSurface::AddHits(const QStringList& texts, const QStringList& verseIds) {
    if (results_)
        results_->AddResults(texts, verseIds);
}

void DialogSearchSurface::ShowFirstHit() {
    if (results_)
        results_->ShowFirstResult();
}

void DialogSearchSurface::RestoreDialog() {
    if (dialog_)
        dialog_->RestoreAfterSearch();
}

void DialogSearchSurface::ReportNotSaved(const QString& text) {
    ShowMessageBox(dialog_, kRefusalTitle, text);
}
