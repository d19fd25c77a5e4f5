#include "orvanta/shell/text_box.h"

#include <QTextDocument>
#include <QTextOption>

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
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
}
