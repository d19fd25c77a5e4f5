// The Writer link against a real headless Writer: reading the selection and
// its font, and the replacement a double click on a verse makes.
#include "headless_writer.h"
#include "velisar/link/libreoffice/writer_link.h"
#include "writer_test_document.h"

#include <QTest>
#include <memory>

using Script = WriterTestDocument::Script;

struct FontSpan {
    QString text;
    Script script;
    QString name;
    double size;
};
Q_DECLARE_METATYPE(QList<FontSpan>)

namespace {

// What the verse finder inserts: the verse in braces and its reference,
// padded with a space on each side.
const QString entry = QStringLiteral(" {الرَّحْمَنُ} (1) سورة الرحمن ");

} // namespace

class TestWriterLink : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void attachAndRelease();
    void documentCount();
    void replacement_data();
    void replacement();
    void setSelectionRestoresTheSelection_data() { replacement_data(); }
    void setSelectionRestoresTheSelection();
    void caretOnly();
    void setSelectionRefusesPositionsOutsideTheText_data();
    void setSelectionRefusesPositionsOutsideTheText();
    void font_data();
    void font();
    void rangeOperationsNeedARange();
    void closedDocumentMakesOperationsFail();

private:
    // Builds the document and selects needle in it.
    void prepare(const QStringList& paragraphs, const QStringList& cells, const QString& needle);
    QString holderText(const QString& cell) const {
        return cell.isEmpty() ? document_->bodyText() : document_->cellText(cell);
    }

    HeadlessWriter writer_;
    std::unique_ptr<WriterTestDocument> document_;
    std::unique_ptr<WriterLink> link_;
};

void TestWriterLink::initTestCase() {
    QVERIFY2(writer_.start(), "no headless Writer started");
}

void TestWriterLink::init() {
    document_ = std::make_unique<WriterTestDocument>(writer_.pipeName());
    link_ = std::make_unique<WriterLink>(writer_.pipeName());
}

void TestWriterLink::cleanup() {
    link_.reset();
    document_.reset();
}

void TestWriterLink::cleanupTestCase() {
    writer_.stop();
}

void TestWriterLink::prepare(const QStringList& paragraphs, const QStringList& cells,
                             const QString& needle) {
    document_->build(paragraphs, cells);
    QVERIFY2(document_->select(needle), qPrintable(needle));
    QVERIFY(link_->attach());
}

void TestWriterLink::attachAndRelease() {
    QVERIFY(!link_->isAttached());
    QVERIFY(!link_->identity());

    QVERIFY(link_->attach());
    QVERIFY(link_->isAttached());
    QCOMPARE(link_->identity().value_or(QString()), QStringLiteral("LibreOffice"));

    link_->release();
    QVERIFY(!link_->isAttached());
    QVERIFY(!link_->identity());
    link_->release(); // harmless twice

    // Attaching again, also over a live link, gives a working link.
    QVERIFY(link_->attach());
    QVERIFY(link_->attach());
    QCOMPARE(link_->identity().value_or(QString()), QStringLiteral("LibreOffice"));
}

void TestWriterLink::documentCount() {
    QVERIFY(link_->attach());
    QCOMPARE(link_->documentCount(), 1);
    document_->openAnother();
    QCOMPARE(link_->documentCount(), 2);
    document_->close();
    QCOMPARE(link_->documentCount(), 0);
}

void TestWriterLink::replacement_data() {
    QTest::addColumn<QStringList>("paragraphs");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("cell"); // the cell holding the selection, or none
    QTest::addColumn<QString>("needle");

    const QStringList noCells;
    const QStringList cells{QStringLiteral("في الخلية عَلَّمَهُ الْبَيَانَ"), QStringLiteral("b1"),
                            QStringLiteral("a2"), QStringLiteral("b2")};
    QTest::newRow("word with marks inside the text")
        << QStringList{QStringLiteral("نص قبل"), QStringLiteral("قال: الرَّحْمَنُ عَلَّمَ الْقُرْآنَ"),
                       QStringLiteral("نص بعد")}
        << noCells << QString() << QStringLiteral("الرَّحْمَنُ");
    QTest::newRow("at the very start")
        << QStringList{QStringLiteral("الرَّحْمَنُ عَلَّمَ الْقُرْآنَ"), QStringLiteral("نص بعد")} << noCells
        << QString() << QStringLiteral("الرَّحْمَنُ");
    QTest::newRow("at the very end")
        << QStringList{QStringLiteral("نص قبل"), QStringLiteral("خَلَقَ الْإِنْسَانَ")} << noCells
        << QString() << QStringLiteral("الْإِنْسَانَ");
    QTest::newRow("across a paragraph break")
        << QStringList{QStringLiteral("الفقرة الأولى"), QStringLiteral("الثانية بعدها")} << noCells
        << QString() << QStringLiteral("الأولى\nالثانية");
    QTest::newRow("in a table cell")
        << QStringList{QStringLiteral("قبل الجدول"), QStringLiteral("[table]"),
                       QStringLiteral("بعد الجدول")}
        << cells << QStringLiteral("A1") << QStringLiteral("عَلَّمَهُ");
    QTest::newRow("after a table")
        << QStringList{QStringLiteral("قبل الجدول"), QStringLiteral("[table]"),
                       QStringLiteral("بعد الجدول الشَّمْسُ وَالْقَمَرُ")}
        << cells << QString() << QStringLiteral("الشَّمْسُ");
    QTest::newRow("after a character beyond 16 bits")
        << QStringList{QStringLiteral("رمز 𝕏 ثم الشَّمْسُ وَالْقَمَرُ")} << noCells << QString()
        << QStringLiteral("الشَّمْسُ");
}

void TestWriterLink::replacement() {
    QFETCH(QStringList, paragraphs);
    QFETCH(QStringList, cells);
    QFETCH(QString, cell);
    QFETCH(QString, needle);
    document_->build(paragraphs, cells);
    document_->setFont(needle, Script::Complex, QStringLiteral("Amiri"), 18);
    QVERIFY(document_->select(needle));
    const QString bodyBefore = document_->bodyText();
    const QString holderBefore = holderText(cell);
    const qsizetype start = holderBefore.indexOf(needle);
    QVERIFY(start >= 0);
    const qsizetype end = start + needle.size();

    // The lookup when the window wakes up.
    QVERIFY(link_->attach());
    QCOMPARE(link_->selectionBounds(), SelectionBounds({qint32(start), qint32(end)}));
    QCOMPARE(link_->selectedText(), needle);

    // The double click, in the order the window makes its calls.
    QVERIFY(!link_->identity().value_or(QString()).isEmpty());
    QCOMPARE(link_->documentCount(), 1);
    const QString fontName = link_->selectionFontName().value_or(QString());
    const double fontSize = link_->selectionFontSize().value_or(0);
    QCOMPARE(fontName, QStringLiteral("Amiri"));
    QCOMPARE(fontSize, 18.0);
    // Meanwhile the user clicked elsewhere in the document.
    document_->selectNothing();
    QVERIFY(link_->setSmartCutPaste(false));
    QVERIFY(link_->setSelection(qint32(start), qint32(end)));
    QVERIFY(link_->takeSelectionRange());
    QVERIFY(link_->rangePaste(QStringLiteral(" ")));
    QVERIFY(link_->setRangeFontName(fontName));
    QVERIFY(link_->setRangeFontSize(fontSize));
    QVERIFY(link_->rangeInsertAfter(entry));
    QVERIFY(link_->setRangeFontName(fontName));
    QVERIFY(link_->setRangeFontSize(fontSize));
    const QString inserted = QLatin1Char(' ') + entry;
    QCOMPARE(link_->rangeText(), inserted);

    // Exactly the selected characters were replaced; nothing else changed.
    const QString holderAfter = holderText(cell);
    QCOMPARE(holderAfter, holderBefore.left(start) + inserted + holderBefore.mid(end));
    QString bodyExpected = bodyBefore;
    bodyExpected.replace(bodyBefore.indexOf(holderBefore), holderBefore.size(), holderAfter);
    QCOMPARE(document_->bodyText(), bodyExpected);

    // All of it in the selection's font, for its Arabic and for the rest.
    for (Script script : {Script::Complex, Script::Western}) {
        QCOMPARE(document_->fontName(inserted, script), QStringLiteral("Amiri"));
        QCOMPARE(document_->fontSize(inserted, script), 18.0);
    }
}

void TestWriterLink::setSelectionRestoresTheSelection() {
    QFETCH(QStringList, paragraphs);
    QFETCH(QStringList, cells);
    QFETCH(QString, needle);
    prepare(paragraphs, cells, needle);
    const std::optional<SelectionBounds> bounds = link_->selectionBounds();
    QVERIFY(bounds);

    document_->selectNothing();
    QCOMPARE(link_->selectedText(), QString());
    QVERIFY(link_->setSelection(bounds->start, bounds->end));
    QCOMPARE(link_->selectedText(), needle);
    QCOMPARE(link_->selectionBounds(), bounds);
}

void TestWriterLink::caretOnly() {
    document_->build({QStringLiteral("نص بلا تحديد")});
    document_->selectNothing();
    QVERIFY(link_->attach());
    QCOMPARE(link_->selectionBounds(), SelectionBounds({0, 0}));
    QCOMPARE(link_->selectedText(), QString());
}

void TestWriterLink::setSelectionRefusesPositionsOutsideTheText_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::newRow("negative start") << -1 << 3;
    QTest::newRow("end before start") << 5 << 2;
    QTest::newRow("end past the text") << 2 << 1000;
    // The middle of a character beyond 16 bits (U+1D54F at positions 4-5).
    QTest::newRow("inside a surrogate pair") << 5 << 8;
}

void TestWriterLink::setSelectionRefusesPositionsOutsideTheText() {
    QFETCH(int, start);
    QFETCH(int, end);
    prepare({QStringLiteral("رمز 𝕏 ثم الشَّمْسُ")}, {}, QStringLiteral("الشَّمْسُ"));
    QVERIFY(link_->selectionBounds());
    QVERIFY(!link_->setSelection(start, end));
    // The user's selection stays as it was.
    QCOMPARE(link_->selectedText(), QStringLiteral("الشَّمْسُ"));
}

void TestWriterLink::font_data() {
    QTest::addColumn<QStringList>("paragraphs");
    QTest::addColumn<QList<FontSpan>>("spans");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("size"); // 0: none (mixed)

    const QString arabic = QStringLiteral("كلمة عربية هنا");
    QTest::newRow("Arabic: the complex-script font")
        << QStringList{arabic}
        << QList<FontSpan>{{QStringLiteral("عربية"), Script::Complex, QStringLiteral("Amiri"), 18},
                           {QStringLiteral("عربية"), Script::Western, QStringLiteral("DejaVu Sans"),
                            9}}
        << QStringLiteral("عربية") << QStringLiteral("Amiri") << 18.0;
    QTest::newRow("Latin: the Western font")
        << QStringList{QStringLiteral("some Latin words")}
        << QList<FontSpan>{{QStringLiteral("Latin"), Script::Western,
                            QStringLiteral("DejaVu Serif"), 11},
                           {QStringLiteral("Latin"), Script::Complex, QStringLiteral("Amiri"), 20}}
        << QStringLiteral("Latin") << QStringLiteral("DejaVu Serif") << 11.0;
    QTest::newRow("Arabic in two fonts: no name")
        << QStringList{arabic}
        << QList<FontSpan>{{arabic, Script::Complex, QStringLiteral("DejaVu Sans"), 14},
                           {QStringLiteral("كلمة"), Script::Complex, QStringLiteral("Amiri"), 14}}
        << QStringLiteral("كلمة عربية") << QString() << 14.0;
    QTest::newRow("Arabic in two sizes: no size")
        << QStringList{arabic}
        << QList<FontSpan>{{arabic, Script::Complex, QStringLiteral("Amiri"), 14},
                           {QStringLiteral("عربية"), Script::Complex, QStringLiteral("Amiri"), 20}}
        << QStringLiteral("كلمة عربية") << QStringLiteral("Amiri") << 0.0;
    QTest::newRow("Latin and Arabic: the complex-script font")
        << QStringList{QStringLiteral("abc كلمة")}
        << QList<FontSpan>{{QStringLiteral("abc كلمة"), Script::Complex, QStringLiteral("Amiri"),
                            16},
                           {QStringLiteral("abc"), Script::Western, QStringLiteral("DejaVu Serif"),
                            10}}
        << QStringLiteral("abc كلمة") << QStringLiteral("Amiri") << 16.0;
}

void TestWriterLink::font() {
    QFETCH(QStringList, paragraphs);
    QFETCH(QList<FontSpan>, spans);
    QFETCH(QString, needle);
    QFETCH(QString, name);
    QFETCH(double, size);
    document_->build(paragraphs);
    for (const FontSpan& span : spans)
        document_->setFont(span.text, span.script, span.name, span.size);
    QVERIFY(document_->select(needle));
    QVERIFY(link_->attach());
    QCOMPARE(link_->selectionFontName(), name);
    QCOMPARE(link_->selectionFontSize().value_or(0), size);
}

void TestWriterLink::rangeOperationsNeedARange() {
    prepare({QStringLiteral("نص فيه كلمة")}, {}, QStringLiteral("كلمة"));
    const QString before = document_->bodyText();
    QVERIFY(!link_->rangePaste(QStringLiteral(" ")));
    QVERIFY(!link_->rangeInsertAfter(entry));
    QVERIFY(!link_->setRangeFontName(QStringLiteral("Amiri")));
    QVERIFY(!link_->rangeText());
    QCOMPARE(document_->bodyText(), before);
}

void TestWriterLink::closedDocumentMakesOperationsFail() {
    prepare({QStringLiteral("نص فيه كلمة")}, {}, QStringLiteral("كلمة"));
    QVERIFY(link_->selectionBounds());
    // Another document becomes current, and the one the link read from
    // closes: the link must not go on in the other one.
    document_->openAnother();
    document_->closeFirst();
    QVERIFY(!link_->selectedText());
    QVERIFY(!link_->setSelection(7, 11));
    QVERIFY(!link_->takeSelectionRange());
    QVERIFY(!link_->rangePaste(QStringLiteral(" ")));
    // The office itself still answers.
    QVERIFY(link_->identity());
    QCOMPARE(link_->documentCount(), 1);
}

QTEST_GUILESS_MAIN(TestWriterLink)
#include "test_writer_link.moc"
