#include "fake_finder_view.h"

void FakeFinderView::yieldToEvents() {
    ++yields;
    if (onYield)
        onYield();
}

void FakeFinderView::enterSearchMode() {
    calls.append(QStringLiteral("enter"));
    rows.clear();
    listShown = false;
}

void FakeFinderView::showProgress(const QString& text) {
    progress.append(text);
}

void FakeFinderView::addResultRow(const QString& entry) {
    calls.append(QStringLiteral("row"));
    rows.append(entry);
}

void FakeFinderView::leaveSearchMode(const QString& textBoxText) {
    calls.append(QStringLiteral("leave:") + textBoxText);
    textBox = textBoxText;
}

void FakeFinderView::showResults(const QString& countText) {
    calls.append(QStringLiteral("results:") + countText);
    listShown = true;
}

void FakeFinderView::showNothingFound(const QString& query, const VelisarMessage& message) {
    calls.append(QStringLiteral("nothingFound:") + query);
    textBox = query;
    messages.append(message);
}
