// The finder window beside a real headless Writer, the whole way through:
// the window wakes up, its link reads the selection in Writer, the search
// lists the verses, and a double click on a row puts the verse in place of
// the selection. The link's own calls are tested in tests/velisar/link.
#include "finder_fixture.h"
#include "headless_writer.h"
#include "support/message_box_watcher.h"
#include "velisar/link/libreoffice/writer_link.h"
#include "writer_test_document.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <memory>

using Script = WriterTestDocument::Script;

namespace {

const QString kResting = QStringLiteral("Allah1");
const QString kAwake = QStringLiteral("KRD");

// The row whose reference ends the entry; -1 when none does.
int rowWithReference(QListWidget* list, const QString& reference) {
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text().endsWith(u' ' + reference))
            return row;
    return -1;
}

} // namespace

class TestQuranWinWriter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void noWriterMeansTypedInputAtOnce();
    void caretOnlyWaitsForTypedInputAndLetsGo();
    void doubleClickReplacesTheSelection_data();
    void doubleClickReplacesTheSelection();
    void mixedFonts_data();
    void mixedFonts();
    // Kills the test's Writer: keep it last.
    void writerKilledBetweenLookupAndDoubleClickCopies();

private:
    // Restores the resting window from the taskbar, which looks the
    // selection up at once.
    void wakeUp();
    QListWidget* list() const { return finder_->control<QListWidget>(QStringLiteral("QRsult")); }

    HeadlessWriter writer_;
    std::unique_ptr<WriterLink> link_;
    std::unique_ptr<FinderFixture> finder_;
    std::unique_ptr<WriterTestDocument> document_;
    MessageBoxWatcher boxes_;
};

void TestQuranWinWriter::initTestCase() {
    QVERIFY2(writer_.start(), "no headless Writer started");
    link_ = std::make_unique<WriterLink>(writer_.pipeName());
    finder_ = std::make_unique<FinderFixture>(*link_);
    // Writer runs, but without a document: typed input.
    QVERIFY(finder_->load());
    QCOMPARE(finder_->window.Tag(), kAwake);
    QVERIFY(!link_->isAttached());
    finder_->window.Cancel_Cmd_Click();
}

void TestQuranWinWriter::init() {
    // Between uses the window rests on the taskbar.
    QCOMPARE(finder_->window.Tag(), kResting);
    QVERIFY(finder_->window.windowState() & Qt::WindowMinimized);
    try {
        document_ = std::make_unique<WriterTestDocument>(writer_.pipeName());
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    boxes_.clear();
}

void TestQuranWinWriter::cleanup() {
    // Back to rest, whatever the test left, so the link lets go of the
    // document before it closes: the office drops the next connection made
    // after a document closed under a live link, the next test's.
    finder_->window.Cancel_Cmd_Click();
    document_.reset();
    QVERIFY(boxes_.seen().isEmpty());
    QCOMPARE(finder_->ended, 0);
}

void TestQuranWinWriter::cleanupTestCase() {
    finder_.reset();
    link_.reset();
    writer_.stop();
}

void TestQuranWinWriter::wakeUp() {
    finder_->window.setWindowState(Qt::WindowNoState);
}

void TestQuranWinWriter::noWriterMeansTypedInputAtOnce() {
    WriterLink nobody(
        QStringLiteral("velisar_test_nobody_%1").arg(QCoreApplication::applicationPid()));
    FinderFixture finder(nobody);
    QVERIFY(finder.load());
    QCOMPARE(finder.window.Tag(), kAwake);

    finder.window.Cancel_Cmd_Click();
    QCOMPARE(finder.window.Tag(), kResting);
    QElapsedTimer clock;
    clock.start();
    finder.window.setWindowState(Qt::WindowNoState);
    const double wakeUp = clock.nsecsElapsed() / 1e6;
    qInfo("no Writer: restored window ready for typed input in %.1f ms", wakeUp);
    // Far above the figure; it only catches a hang or a Writer started.
    QVERIFY(wakeUp < 1000);

    QCOMPARE(finder.window.Tag(), kAwake);
    auto* text = finder.control<QLineEdit>(QStringLiteral("Text1"));
    QVERIFY(text->hasFocus());
    QVERIFY(finder.control<QWidget>(QStringLiteral("QRsult"))->isHidden());
    QVERIFY(!nobody.isAttached());

    // A typed search, and a double click that copies.
    search(finder, QStringLiteral("الصمد"));
    auto* results = finder.control<QListWidget>(QStringLiteral("QRsult"));
    QCOMPARE(results->count(), 1);
    QGuiApplication::clipboard()->clear();
    doubleClick(results, 0);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), results->item(0)->text());
    QCOMPARE(finder.window.Tag(), kAwake);
}

void TestQuranWinWriter::caretOnlyWaitsForTypedInputAndLetsGo() {
    document_->build({QStringLiteral("قال: الرَّحْمَنُ عَلَّمَ الْقُرْآنَ")});
    document_->selectNothing();
    wakeUp();
    QCOMPARE(finder_->window.Tag(), kAwake);
    QVERIFY(list()->isHidden());
    QVERIFY(finder_->control<QLineEdit>(QStringLiteral("Text1"))->hasFocus());
    QVERIFY(!link_->isAttached());

    // The same document with a word selected: found, and the link held
    // until the window rests again.
    QVERIFY(document_->select(QStringLiteral("الرَّحْمَنُ")));
    finder_->window.Cancel_Cmd_Click();
    wakeUp();
    QVERIFY(list()->count() > 0);
    QVERIFY(link_->isAttached());
    finder_->window.Cancel_Cmd_Click();
    QCOMPARE(finder_->window.Tag(), kResting);
    QVERIFY(!link_->isAttached());
}

void TestQuranWinWriter::doubleClickReplacesTheSelection_data() {
    QTest::addColumn<QStringList>("paragraphs");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("cell"); // the cell holding the selection, or none
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QString>("font");
    QTest::addColumn<double>("size");
    QTest::addColumn<int>("rows");          // verses listed for the needle
    QTest::addColumn<QString>("reference"); // of the row double-clicked

    const QStringList noCells;
    QTest::newRow("one word with marks inside the text")
        << QStringList{QStringLiteral("نص قبل"), QStringLiteral("قال: الرَّحِيمِ ثم سكت"),
                       QStringLiteral("نص بعد")}
        << noCells << QString() << QStringLiteral("الرَّحِيمِ") << QStringLiteral("Amiri") << 18.0 << 34
        << QStringLiteral("(37) سورة البقرة");
    QTest::newRow("at the very start")
        << QStringList{QStringLiteral("الصَّمَدُ لم يلد"), QStringLiteral("نص بعد")} << noCells
        << QString() << QStringLiteral("الصَّمَدُ") << QStringLiteral("Noto Naskh Arabic") << 20.0 << 1
        << QStringLiteral("(2) سورة الإخلاص");
    QTest::newRow("at the very end")
        << QStringList{QStringLiteral("نص قبل"), QStringLiteral("قال: إِذَا تَدَايَنْتُمْ")} << noCells
        << QString() << QStringLiteral("تَدَايَنْتُمْ") << QStringLiteral("DejaVu Sans") << 12.0 << 1
        << QStringLiteral("(282) سورة البقرة");
    // The first paragraph ends with a space, as typed text often does.
    QTest::newRow("across a paragraph break")
        << QStringList{QStringLiteral("بسم الله الرَّحْمَنِ "), QStringLiteral("الرَّحِيمِ أول السطر")}
        << noCells << QString() << QStringLiteral("الرَّحْمَنِ \nالرَّحِيمِ") << QStringLiteral("Amiri")
        << 16.0 << 6 << QStringLiteral("(30) سورة النمل");
    QTest::newRow("in a table cell")
        << QStringList{QStringLiteral("قبل الجدول"), QStringLiteral("[table]"),
                       QStringLiteral("بعد الجدول")}
        << QStringList{QStringLiteral("في الخلية عَلَّمَهُ الْبَيَانَ وبعده"), QStringLiteral("b1"),
                       QStringLiteral("a2"), QStringLiteral("b2")}
        << QStringLiteral("A1") << QStringLiteral("عَلَّمَهُ الْبَيَانَ") << QStringLiteral("Amiri") << 14.0
        << 1 << QStringLiteral("(4) سورة الرحمن");
}

void TestQuranWinWriter::doubleClickReplacesTheSelection() {
    QFETCH(QStringList, paragraphs);
    QFETCH(QStringList, cells);
    QFETCH(QString, cell);
    QFETCH(QString, needle);
    QFETCH(QString, font);
    QFETCH(double, size);
    QFETCH(int, rows);
    QFETCH(QString, reference);
    document_->build(paragraphs, cells);
    document_->setFont(needle, Script::Complex, font, size);
    QVERIFY(document_->select(needle));
    const QString bodyBefore = document_->bodyText();
    const QString holderBefore = cell.isEmpty() ? bodyBefore : document_->cellText(cell);
    const qsizetype start = holderBefore.indexOf(needle);
    QVERIFY(start >= 0);

    // The user selected the words and restores Velisar from the taskbar.
    wakeUp();
    QCOMPARE(finder_->window.Tag(), kAwake);
    QVERIFY(list()->isVisible());
    QCOMPARE(list()->count(), rows);
    QVERIFY(link_->isAttached());
    const int row = rowWithReference(list(), reference);
    QVERIFY2(row >= 0, qPrintable(reference));
    const QString entry = list()->item(row)->text();
    QVERIFY(entry.startsWith(u'{'));

    doubleClick(list(), row);
    QTRY_COMPARE(finder_->window.Tag(), kResting);
    QVERIFY(finder_->window.windowState() & Qt::WindowMinimized);
    QVERIFY(!link_->isAttached());

    // Exactly the selected characters were replaced; nothing else changed.
    const QString inserted = QStringLiteral("  ") + entry + u' ';
    const QString holderAfter =
        holderBefore.left(start) + inserted + holderBefore.mid(start + needle.size());
    QString bodyAfter = bodyBefore;
    bodyAfter.replace(bodyBefore.indexOf(holderBefore), holderBefore.size(), holderAfter);
    QCOMPARE(document_->bodyText(), bodyAfter);
    if (!cell.isEmpty())
        QCOMPARE(document_->cellText(cell), holderAfter);
    QCOMPARE(QGuiApplication::clipboard()->text(), inserted);

    // All of it in the selection's font, its Arabic and the rest.
    for (Script script : {Script::Complex, Script::Western}) {
        QCOMPARE(document_->fontName(inserted, script), font);
        QCOMPARE(document_->fontSize(inserted, script), size);
    }
}

void TestQuranWinWriter::mixedFonts_data() {
    QTest::addColumn<QString>("firstFont");
    QTest::addColumn<double>("firstSize");
    QTest::addColumn<QString>("secondFont");
    QTest::addColumn<double>("secondSize");
    QTest::addColumn<QString>("font");
    QTest::addColumn<double>("size");
    const QString amiri = QStringLiteral("Amiri");
    const QString naskh = QStringLiteral("Noto Naskh Arabic");
    const QString traditional = QStringLiteral("Traditional Arabic");
    QTest::newRow("two fonts, one size") << amiri << 18.0 << naskh << 18.0 << traditional << 18.0;
    QTest::newRow("one font, two sizes") << amiri << 18.0 << amiri << 14.0 << amiri << 21.0;
    QTest::newRow("two fonts, two sizes") << amiri << 18.0 << naskh << 14.0 << traditional << 21.0;
}

void TestQuranWinWriter::mixedFonts() {
    QFETCH(QString, firstFont);
    QFETCH(double, firstSize);
    QFETCH(QString, secondFont);
    QFETCH(double, secondSize);
    QFETCH(QString, font);
    QFETCH(double, size);
    const QString first = QStringLiteral("الرَّحْمَنِ ");
    const QString second = QStringLiteral("الرَّحِيمِ");
    document_->build({QStringLiteral("قال: بِسْمِ اللَّهِ ") + first + second + QStringLiteral(" ثم")});
    document_->setFont(first, Script::Complex, firstFont, firstSize);
    document_->setFont(second, Script::Complex, secondFont, secondSize);
    QVERIFY(document_->select(first + second));
    const QString before = document_->bodyText();

    wakeUp();
    QCOMPARE(list()->count(), 6);
    const QString entry = list()->item(0)->text();
    doubleClick(list(), 0);
    QTRY_COMPARE(finder_->window.Tag(), kResting);

    const QString inserted = QStringLiteral("  ") + entry + u' ';
    QCOMPARE(document_->bodyText(), QString(before).replace(first + second, inserted));
    for (Script script : {Script::Complex, Script::Western}) {
        QCOMPARE(document_->fontName(inserted, script), font);
        QCOMPARE(document_->fontSize(inserted, script), size);
    }
}

void TestQuranWinWriter::writerKilledBetweenLookupAndDoubleClickCopies() {
    document_->build({QStringLiteral("قال: الرَّحِيمِ ثم سكت")});
    QVERIFY(document_->select(QStringLiteral("الرَّحِيمِ")));
    wakeUp();
    QCOMPARE(list()->count(), 34);
    list()->setCurrentRow(3);
    const QString entry = list()->item(3)->text();

    writer_.kill();
    QGuiApplication::clipboard()->clear();
    doubleClick(list(), 3);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), entry);
    // The window stays awake with its rows; only the copy happened.
    QCOMPARE(finder_->window.Tag(), kAwake);
    QVERIFY(finder_->window.isVisible());
    QVERIFY(!(finder_->window.windowState() & Qt::WindowMinimized));
    QCOMPARE(list()->count(), 34);
    QVERIFY(!link_->isAttached());

    // And goes on working: to rest, then up again for typed input.
    finder_->window.Cancel_Cmd_Click();
    QCOMPARE(finder_->window.Tag(), kResting);
    wakeUp();
    QCOMPARE(finder_->window.Tag(), kAwake);
    QVERIFY(finder_->control<QLineEdit>(QStringLiteral("Text1"))->hasFocus());
    QVERIFY(list()->isHidden());
}

QTEST_MAIN(TestQuranWinWriter)
#include "test_quran_win_writer.moc"
