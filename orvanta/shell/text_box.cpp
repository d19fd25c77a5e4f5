#include "orvanta/shell/text_box.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// Where a position of the text stands in the document, whose line breaks are
// one character each.
qsizetype shownPosition(const QString& text, qsizetype position) {
    return position - QStringView(text).left(position).count(kLineEnd);
}

} // namespace

TextBox::TextBox(QWidget* parent, Qt::Alignment lines) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setLayoutDirection(Qt::RightToLeft);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Without an alignment of its own the document draws right-to-left lines
    // against the left edge.
    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(lines);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDefaultTextOption(option);
}

void TextBox::SetText(const QString& text) {
    text_ = text;
    QString shown = text;
    shown.replace(kLineEnd, QStringLiteral("\n"));
    setPlainText(shown);
}

void TextBox::Select(qsizetype start, qsizetype length) {
    start = qBound<qsizetype>(0, start, text_.size());
    const qsizetype end = qBound<qsizetype>(start, start + length, text_.size());
    QTextCursor cursor = textCursor();
    cursor.setPosition(int(shownPosition(text_, start)));
    cursor.setPosition(int(shownPosition(text_, end)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

QString TextBox::SelectedText() const {
    const QTextCursor cursor = textCursor();
    QString selected = cursor.selectedText();
    // The document gives its line breaks as paragraph separators.
    selected.replace(QChar::ParagraphSeparator, kLineEnd);
    return selected;
}
