#pragma once

#include "velisar/link/libreoffice/call_watchdog.h"
#include "velisar/link/word_processor.h"

#include <chrono>
#include <memory>
#include <mutex>

// The word processor is LibreOffice Writer, reached over UNO on a named
// pipe. It only ever attaches to a Writer that already listens on that pipe
// (scripts/writer-listen.sh makes the user's Writer do so); it never starts
// one. "No Writer" costs a few milliseconds on the first attach, which sets
// up this process's UNO runtime, and well under a millisecond after that.
//
// The link works on the document that was current when it first read the
// selection after attaching, until it is released: if the user closes that
// document, the operations fail rather than edit another one.
//
// Every call into the office is bounded by callLimit: a Writer that does
// not answer in time (frozen, stopped) has its connection broken, the call
// fails, and so does every later one until the next attach. A Writer that
// dies makes the calls fail at once.
class WriterLink final : public WordProcessor {
public:
    explicit WriterLink(QString pipeName,
                        std::chrono::milliseconds callLimit = std::chrono::seconds(3));
    ~WriterLink() override;

    bool attach() override;
    void release() override;
    // False as soon as the connection ends, whatever ended it.
    bool isAttached() const override;

    std::optional<QString> identity() override;

    std::optional<SelectionBounds> selectionBounds() override;
    bool setSelection(qint32 start, qint32 end) override;
    std::optional<QString> selectedText() override;

    std::optional<int> documentCount() override;

    std::optional<QString> selectionFontName() override;
    std::optional<double> selectionFontSize() override;

    // Writer has no such option and never adds spaces around inserted
    // text: nothing to switch off.
    bool setSmartCutPaste(bool on) override;

    bool takeSelectionRange() override;
    bool rangePaste(const QString& text) override;
    bool setRangeFontName(const QString& name) override;
    bool setRangeFontSize(double size) override;
    bool rangeInsertAfter(const QString& text) override;
    std::optional<QString> rangeText() override;

private:
    struct Remote;
    template <typename Step> auto call(Step&& step);
    void breakConnection();

    const QString pipeName_;
    const std::chrono::milliseconds callLimit_;
    std::unique_ptr<Remote> remote_;
    // What the watchdog breaks: the connection of remote_ (or of an attach
    // in progress), shared with the watchdog's thread.
    struct Breakable;
    std::mutex breakableMutex_;
    std::unique_ptr<Breakable> breakable_;
    CallWatchdog watchdog_;
};
