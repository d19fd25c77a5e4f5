#pragma once

#include <QPlainTextEdit>

// A read-only multi-line text box for Arabic text: right to left, with its
// lines aligned as asked, words wrapped and a vertical scroll bar. Its text
// is kept exactly as set, CR LF line ends included, so it reads back
// unchanged; each CR LF is shown as a line break.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr, Qt::Alignment lines = Qt::AlignRight);

    QString Text() const { return text_; }
    void SetText(const QString& text);

private:
    QString text_;
};
