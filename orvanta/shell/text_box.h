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

    // Selects length characters from start, both counted in Text() (a CR LF
    // counts as two there and is one line break on screen), and scrolls the
    // selection into view.
    void Select(qsizetype start, qsizetype length);
    // The selected characters as they stand in Text().
    QString SelectedText() const;

private:
    QString text_;
};
