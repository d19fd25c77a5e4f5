#pragma once

#include "velisar/link/word_processor.h"

// The word processor of a machine that has none: every attach fails, so the
// window always opens for typed input and a double click copies.
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
