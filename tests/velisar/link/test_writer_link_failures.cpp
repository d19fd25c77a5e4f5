// The Writer link when there is no Writer, when Writer dies, and when it
// stops answering: every operation fails, quickly, and the program goes on.
#include "headless_writer.h"
#include "velisar/link/libreoffice/writer_link.h"
#include "writer_test_document.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTest>
#include <algorithm>
#include <functional>

using Operation = std::function<bool(WordProcessor&)>;
Q_DECLARE_METATYPE(Operation)

class TestWriterLinkFailures : public QObject {
    Q_OBJECT
private slots:
    void noWriterIsQuick();
    void operationsFailWithoutLink_data();
    void operationsFailWithoutLink();
    void writerKilledBetweenCalls();
    void frozenWriterCostsOneCallLimit();
};

void TestWriterLinkFailures::noWriterIsQuick() {
    WriterLink link(
        QStringLiteral("velisar_test_nobody_%1").arg(QCoreApplication::applicationPid()));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!link.attach());
    const double first = clock.nsecsElapsed() / 1e6;

    QList<double> times;
    for (int i = 0; i < 50; ++i) {
        clock.restart();
        QVERIFY(!link.attach());
        times << clock.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    qInfo("no Writer: first attach %.2f ms (sets up this process's UNO runtime), then median "
          "%.3f ms, slowest %.3f ms",
          first, times[times.size() / 2], times.last());
    QVERIFY(!link.isAttached());
    // Far above the figures; it only catches a hang or an office started.
    QVERIFY(first < 3000);
    QVERIFY(times.last() < 500);
}

namespace {

// Every operation, each reporting whether it succeeded.
QList<std::pair<const char*, Operation>> operations() {
    return {
        {"identity", [](WordProcessor& w) { return bool(w.identity()); }},
        {"selection bounds", [](WordProcessor& w) { return bool(w.selectionBounds()); }},
        {"set selection", [](WordProcessor& w) { return w.setSelection(0, 1); }},
        {"selected text", [](WordProcessor& w) { return bool(w.selectedText()); }},
        {"document count", [](WordProcessor& w) { return bool(w.documentCount()); }},
        {"font name", [](WordProcessor& w) { return bool(w.selectionFontName()); }},
        {"font size", [](WordProcessor& w) { return bool(w.selectionFontSize()); }},
        {"smart paste option", [](WordProcessor& w) { return w.setSmartCutPaste(false); }},
        {"take range", [](WordProcessor& w) { return w.takeSelectionRange(); }},
        {"paste", [](WordProcessor& w) { return w.rangePaste(QStringLiteral(" ")); }},
        {"range font name",
         [](WordProcessor& w) { return w.setRangeFontName(QStringLiteral("Amiri")); }},
        {"range font size", [](WordProcessor& w) { return w.setRangeFontSize(20); }},
        {"insert after", [](WordProcessor& w) { return w.rangeInsertAfter(QStringLiteral("x")); }},
        {"range text", [](WordProcessor& w) { return bool(w.rangeText()); }},
    };
}

} // namespace

void TestWriterLinkFailures::operationsFailWithoutLink_data() {
    QTest::addColumn<Operation>("operation");
    for (const auto& [name, operation] : operations())
        QTest::newRow(name) << operation;
}

void TestWriterLinkFailures::operationsFailWithoutLink() {
    QFETCH(Operation, operation);
    WriterLink link(
        QStringLiteral("velisar_test_nobody_%1").arg(QCoreApplication::applicationPid()));
    QVERIFY(!operation(link));
    QVERIFY(!link.attach());
    QVERIFY(!operation(link));
}

void TestWriterLinkFailures::writerKilledBetweenCalls() {
    HeadlessWriter writer;
    QVERIFY(writer.start());
    WriterTestDocument document(writer.pipeName());
    document.build({QStringLiteral("نص فيه كلمة")});
    QVERIFY(document.select(QStringLiteral("كلمة")));
    WriterLink link(writer.pipeName());
    QVERIFY(link.attach());
    QCOMPARE(link.selectionBounds(), SelectionBounds({7, 11}));
    QVERIFY(link.takeSelectionRange());

    // Between the lookup and the double click, Writer dies.
    writer.kill();
    for (const auto& [name, operation] : operations()) {
        QElapsedTimer clock;
        clock.start();
        QVERIFY2(!operation(link), name);
        QVERIFY2(clock.elapsed() < 1000, name);
    }
    QVERIFY(!link.isAttached());
    // Its pipe is gone with it: a new lookup finds no Writer.
    QVERIFY(!link.attach());
}

void TestWriterLinkFailures::frozenWriterCostsOneCallLimit() {
    HeadlessWriter writer;
    QVERIFY(writer.start());
    // No test document here: the proxies of one office are shared by every
    // connection of a process, and the link's calls would travel over the
    // document's connection, out of reach of the link's watchdog.
    WriterLink link(writer.pipeName(), std::chrono::milliseconds(500));
    QVERIFY(link.attach());
    QVERIFY(link.identity());

    writer.freeze();
    const auto thaw = qScopeGuard([&] { writer.unfreeze(); });
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!link.identity());
    const qint64 firstCall = clock.elapsed();
    clock.restart();
    QVERIFY(!link.documentCount());
    const qint64 nextCall = clock.elapsed();
    qInfo("frozen Writer: the first call failed after %lld ms, the next after %lld ms", firstCall,
          nextCall);
    QVERIFY(firstCall >= 500 && firstCall < 3000);
    QVERIFY(nextCall < 100);
    QVERIFY(!link.isAttached());

    // Once it answers again, a new lookup attaches.
    writer.unfreeze();
    QVERIFY(link.attach());
    QVERIFY(link.identity());
}

QTEST_GUILESS_MAIN(TestWriterLinkFailures)
#include "test_writer_link_failures.moc"
