#pragma once

#include "velisar/link/word_processor.h"

// A word processor that is never there: every attach fails and every
// operation fails, so the window always opens for typed input and a double
// click copies. Unlike a fake that is not running, nothing can bring it up.
class NoWordProcessor : public WordProcessor {
public:
    bool attach() override { return false; }
    void release() override {}
    bool isAttached() const override { return false; }
    std::optional<QString> identity() override { return std::nullopt; }
    std::optional<SelectionBounds> selectionBounds() override { return std::nullopt; }
    bool setSelection(qint32, qint32) override { return false; }
    std::optional<QString> selectedText() override { return std::nullopt; }
    std::optional<int> documentCount() override { return std::nullopt; }
    std::optional<QString> selectionFontName() override { return std::nullopt; }
    std::optional<double> selectionFontSize() override { return std::nullopt; }
    bool setSmartCutPaste(bool) override { return false; }
    bool takeSelectionRange() override { return false; }
    bool rangePaste(const QString&) override { return false; }
    bool setRangeFontName(const QString&) override { return false; }
    bool setRangeFontSize(double) override { return false; }
    bool rangeInsertAfter(const QString&) override { return false; }
    std::optional<QString> rangeText() override { return std::nullopt; }
};
