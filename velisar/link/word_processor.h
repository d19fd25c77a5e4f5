#pragma once

#include <QString>
#include <optional>

// What Velisar needs of a running word processor. Every operation may fail:
// a failure is an empty optional or false, never an exception, and the
// caller carries on with its next step. An implementation never starts a
// word processor; it only attaches to one that runs.
//
// The selection's bounds: character positions from the start of the text
// that holds it; start equals end when only the caret is there.
struct SelectionBounds {
    qint32 start = 0;
    qint32 end = 0;
    friend bool operator==(const SelectionBounds&, const SelectionBounds&) = default;
};

// The "range" is the text range taken from the selection by
// takeSelectionRange(); paste and insert-after grow it to cover what they
// put in, so the font can be set on everything inserted.
class WordProcessor {
public:
    virtual ~WordProcessor() = default;

    // Attaches to the running word processor; false when none is available.
    virtual bool attach() = 0;
    // Forgets the link; harmless when there is none.
    virtual void release() = 0;
    virtual bool isAttached() const = 0;

    // The application's name; empty or nothing when the link is gone.
    virtual std::optional<QString> identity() = 0;

    // The selection in the current document; both bounds are read at once.
    virtual std::optional<SelectionBounds> selectionBounds() = 0;
    virtual bool setSelection(qint32 start, qint32 end) = 0;
    virtual std::optional<QString> selectedText() = 0;

    // How many text documents are open.
    virtual std::optional<int> documentCount() = 0;

    // The selection's font; an empty name when the selection mixes fonts.
    virtual std::optional<QString> selectionFontName() = 0;
    virtual std::optional<double> selectionFontSize() = 0;

    // The "smart cut and paste" option, which would add or drop spaces
    // around pasted text.
    virtual bool setSmartCutPaste(bool on) = 0;

    virtual bool takeSelectionRange() = 0;
    // Replaces the range's text with text (the clipboard's text, which the
    // caller passes in); the range then covers the pasted text.
    virtual bool rangePaste(const QString& text) = 0;
    virtual bool setRangeFontName(const QString& name) = 0;
    virtual bool setRangeFontSize(double size) = 0;
    // Appends text right after the range; the range then covers it too.
    virtual bool rangeInsertAfter(const QString& text) = 0;
    // The range's text, for the caller to put on the clipboard.
    virtual std::optional<QString> rangeText() = 0;
};
