#pragma once

#include "velisar/link/word_processor.h"

#include <QList>
#include <QString>

// A word processor with one open document, for the link's tests: the text,
// a font name and size per character, the selection and the range taken
// from it. Switches make it absent, or gone after attaching, or unable to
// read a font size.
class FakeWordProcessor : public WordProcessor {
public:
    // The document: every character in one font.
    void setDocument(const QString& text, const QString& fontName = QStringLiteral("Amiri"),
                     double fontSize = 16);
    // Sets the font of characters [from, to).
    void setFont(qint32 from, qint32 to, const QString& fontName, double fontSize);
    void select(qint32 start, qint32 end);

    QString text() const { return text_; }
    QString fontNameAt(qint32 i) const { return fontNames_.value(i); }
    double fontSizeAt(qint32 i) const { return fontSizes_.value(i); }
    qint32 selStart() const { return selStart_; }
    qint32 selEnd() const { return selEnd_; }

    bool running = true;          // attach succeeds
    bool gone = false;            // every call fails, as after the office quit
    bool fontSizeReadable = true; // false: the selection's size cannot be read
    bool boundsReadable = true;   // false: the selection's bounds cannot be read
    bool rangeTakeable = true;    // false: the selection is not text (a shape, say)
    int documents = 1;            // open documents
    bool smartCutPaste = true;
    int attachCount = 0;

    bool attach() override;
    void release() override { attached_ = false; }
    bool isAttached() const override { return attached_; }
    std::optional<QString> identity() override;
    std::optional<SelectionBounds> selectionBounds() override;
    bool setSelection(qint32 start, qint32 end) override;
    std::optional<QString> selectedText() override;
    std::optional<int> documentCount() override;
    std::optional<QString> selectionFontName() override;
    std::optional<double> selectionFontSize() override;
    bool setSmartCutPaste(bool on) override;
    bool takeSelectionRange() override;
    bool rangePaste(const QString& text) override;
    bool setRangeFontName(const QString& name) override;
    bool setRangeFontSize(double size) override;
    bool rangeInsertAfter(const QString& text) override;
    std::optional<QString> rangeText() override;

private:
    bool live() const { return attached_ && !gone; }
    bool hasRange() const { return live() && rangeStart_ >= 0; }
    // Inserts text at pos in the font of the character before it (or after
    // it, at the start).
    void insertAt(qint32 pos, const QString& text);

    bool attached_ = false;
    QString text_;
    QList<QString> fontNames_;
    QList<double> fontSizes_;
    qint32 selStart_ = 0;
    qint32 selEnd_ = 0;
    qint32 rangeStart_ = -1;
    qint32 rangeEnd_ = -1;
};
