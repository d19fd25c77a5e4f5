#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// A text document in a test's Writer, built and inspected over the test's
// own UNO connection, independently of the link under test. Texts are found
// by searching the document, so a test names what it selects instead of
// computing positions the way the link does.
class WriterTestDocument {
public:
    // Opens a new, empty text document; it becomes the office's current one.
    // Throws std::runtime_error when the office cannot be reached.
    explicit WriterTestDocument(const QString& pipeName);
    ~WriterTestDocument(); // closes the document

    // Fills the body: one paragraph per entry; an entry "[table]" stands for
    // a table of two rows and two columns whose cells A1, B1, A2, B2 hold
    // cells in that order.
    void build(const QStringList& paragraphs, const QStringList& cells = {});

    // The text of the body, tables included, as the office gives it.
    QString bodyText() const;
    QString cellText(const QString& cell) const;

    // Selects the one occurrence of text in the document, as a user would;
    // text may run over one paragraph break ("\n"). False when not found.
    bool select(const QString& text);
    // Puts the caret at the start of the body, leaving nothing selected.
    void selectNothing();

    // Gives the occurrence of text a font, either the complex-script one
    // (which Arabic uses) or the Western one.
    enum class Script { Western, Complex };
    void setFont(const QString& text, Script script, const QString& name, double size);
    QString fontName(const QString& text, Script script) const;
    double fontSize(const QString& text, Script script) const;

    // Opens a second document, which becomes current.
    void openAnother();
    // Closes the first document, or all of them.
    void closeFirst();
    void close();

private:
    struct Uno;
    std::unique_ptr<Uno> uno_;
};
