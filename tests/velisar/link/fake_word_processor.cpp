#include "fake_word_processor.h"

#include <set>

void FakeWordProcessor::setDocument(const QString& text, const QString& fontName, double fontSize) {
    text_ = text;
    fontNames_ = QList<QString>(text.size(), fontName);
    fontSizes_ = QList<double>(text.size(), fontSize);
    selStart_ = selEnd_ = 0;
    rangeStart_ = rangeEnd_ = -1;
}

void FakeWordProcessor::setFont(qint32 from, qint32 to, const QString& fontName, double fontSize) {
    for (qint32 i = from; i < to && i < text_.size(); ++i) {
        fontNames_[i] = fontName;
        fontSizes_[i] = fontSize;
    }
}

void FakeWordProcessor::select(qint32 start, qint32 end) {
    selStart_ = start;
    selEnd_ = end;
}

bool FakeWordProcessor::attach() {
    ++attachCount;
    attached_ = running;
    return attached_;
}

std::optional<QString> FakeWordProcessor::identity() {
    if (!live())
        return std::nullopt;
    return QStringLiteral("Writer");
}

std::optional<SelectionBounds> FakeWordProcessor::selectionBounds() {
    if (!live() || !boundsReadable)
        return std::nullopt;
    return SelectionBounds{selStart_, selEnd_};
}

bool FakeWordProcessor::setSelection(qint32 start, qint32 end) {
    if (!live() || start < 0 || start > end || end > text_.size())
        return false;
    select(start, end);
    return true;
}

std::optional<QString> FakeWordProcessor::selectedText() {
    if (!live())
        return std::nullopt;
    return text_.mid(selStart_, selEnd_ - selStart_);
}

std::optional<int> FakeWordProcessor::documentCount() {
    return live() ? std::optional(documents) : std::nullopt;
}

std::optional<QString> FakeWordProcessor::selectionFontName() {
    if (!live())
        return std::nullopt;
    if (selStart_ == selEnd_)
        return fontNameAt(std::max(0, selStart_ - 1));
    const std::set<QString> names(fontNames_.begin() + selStart_, fontNames_.begin() + selEnd_);
    return names.size() == 1 ? *names.begin() : QString();
}

std::optional<double> FakeWordProcessor::selectionFontSize() {
    if (!live() || !fontSizeReadable)
        return std::nullopt;
    if (selStart_ == selEnd_)
        return fontSizeAt(std::max(0, selStart_ - 1));
    const std::set<double> sizes(fontSizes_.begin() + selStart_, fontSizes_.begin() + selEnd_);
    if (sizes.size() != 1)
        return std::nullopt;
    return *sizes.begin();
}

bool FakeWordProcessor::setSmartCutPaste(bool on) {
    if (!live())
        return false;
    smartCutPaste = on;
    return true;
}

bool FakeWordProcessor::takeSelectionRange() {
    if (!live() || !rangeTakeable)
        return false;
    rangeStart_ = selStart_;
    rangeEnd_ = selEnd_;
    return true;
}

void FakeWordProcessor::insertAt(qint32 pos, const QString& text) {
    const qint32 from = pos > 0 ? pos - 1 : 0;
    const QString name = fontNames_.value(from, QStringLiteral("Amiri"));
    const double size = fontSizes_.value(from, 16);
    text_.insert(pos, text);
    fontNames_.insert(pos, text.size(), name);
    fontSizes_.insert(pos, text.size(), size);
}

bool FakeWordProcessor::rangePaste(const QString& text) {
    if (!hasRange())
        return false;
    // The pasted text takes the font of the first character it replaces.
    const QString name = fontNames_.value(rangeStart_);
    const double size = fontSizes_.value(rangeStart_);
    text_.remove(rangeStart_, rangeEnd_ - rangeStart_);
    fontNames_.remove(rangeStart_, rangeEnd_ - rangeStart_);
    fontSizes_.remove(rangeStart_, rangeEnd_ - rangeStart_);
    insertAt(rangeStart_, text);
    if (!name.isEmpty())
        setFont(rangeStart_, rangeStart_ + text.size(), name, size);
    rangeEnd_ = rangeStart_ + text.size();
    return true;
}

bool FakeWordProcessor::setRangeFontName(const QString& name) {
    if (!hasRange())
        return false;
    for (qint32 i = rangeStart_; i < rangeEnd_; ++i)
        fontNames_[i] = name;
    return true;
}

bool FakeWordProcessor::setRangeFontSize(double size) {
    if (!hasRange())
        return false;
    for (qint32 i = rangeStart_; i < rangeEnd_; ++i)
        fontSizes_[i] = size;
    return true;
}

bool FakeWordProcessor::rangeInsertAfter(const QString& text) {
    if (!hasRange())
        return false;
    insertAt(rangeEnd_, text);
    rangeEnd_ += text.size();
    return true;
}

std::optional<QString> FakeWordProcessor::rangeText() {
    if (!hasRange())
        return std::nullopt;
    return text_.mid(rangeStart_, rangeEnd_ - rangeStart_);
}
