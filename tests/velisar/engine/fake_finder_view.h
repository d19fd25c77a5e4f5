#pragma once

#include "velisar/engine/finder_view.h"

#include <QList>
#include <QStringList>
#include <functional>

// Stands in for the finder window: writes down what the search asks of it.
// onYield runs at every yield, where the window would handle the user's
// clicks and keys.
class FakeFinderView : public FinderView {
public:
    void yieldToEvents() override;
    void enterSearchMode() override;
    void showProgress(const QString& text) override;
    bool resultListShown() const override { return listShown; }
    void addResultRow(const QString& entry) override;
    void leaveSearchMode(const QString& textBoxText) override;
    void showResults(const QString& countText) override;
    void showNothingFound(const QString& query, const VelisarMessage& message) override;

    // Every call but the yields and the progress, as "name" or "name:argument".
    QStringList calls;
    QStringList progress;
    QStringList rows;
    QList<VelisarMessage> messages;
    QString textBox;
    int yields = 0;
    bool listShown = false;
    std::function<void()> onYield;
};
