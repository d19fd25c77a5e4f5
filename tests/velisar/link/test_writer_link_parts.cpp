// The parts of the Writer link that need no office.
#include "velisar/link/libreoffice/call_watchdog.h"
#include "velisar/link/libreoffice/complex_script.h"
#include "velisar/link/libreoffice/writer_pipe_name.h"

#include <QElapsedTimer>
#include <QTest>
#include <atomic>
#include <thread>

class TestWriterLinkParts : public QObject {
    Q_OBJECT
private slots:
    void pipeName_data();
    void pipeName();
    void pipeNameOfThisUser();
    void complexScript_data();
    void complexScript();
    void watchdogFiresOnlyAfterItsLimit();
};

void TestWriterLinkParts::pipeName_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("pipe");
    QTest::newRow("plain") << "amina"
                           << "velisar_amina";
    QTest::newRow("digits and underscore") << "user_42"
                                           << "velisar_user_42";
    // Separators of a connection URL must not reach it.
    QTest::newRow("URL separators") << "a,b;c=d"
                                    << "velisar_a_b_c_d";
    QTest::newRow("dot and hyphen") << "j.doe-x"
                                    << "velisar_j_doe_x";
    QTest::newRow("non-ASCII letters") << QStringLiteral("أمينة") << "velisar______";
}

void TestWriterLinkParts::pipeName() {
    QFETCH(QString, user);
    QFETCH(QString, pipe);
    QCOMPARE(writerPipeNameFor(user), pipe);
}

void TestWriterLinkParts::pipeNameOfThisUser() {
    const QString name = writerPipeName();
    QVERIFY(name.startsWith(QLatin1String("velisar_")));
    QVERIFY(name.size() > 8);
    for (QChar c : name)
        QVERIFY2((c.isLetterOrNumber() && c.unicode() < 128) || c == u'_', qPrintable(name));
}

void TestWriterLinkParts::complexScript_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("complex");
    QTest::newRow("Arabic word") << QStringLiteral("الرحمن") << true;
    QTest::newRow("Arabic with marks") << QStringLiteral("الرَّحْمَٰنِ") << true;
    QTest::newRow("one Arabic letter in Latin") << QStringLiteral("abc ب def") << true;
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("١٢٣") << true;
    QTest::newRow("Hebrew") << QStringLiteral("שלום") << true;
    QTest::newRow("Latin") << QStringLiteral("Hello") << false;
    QTest::newRow("digits and brackets") << QStringLiteral("{1} (2)") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("marks alone") << QStringLiteral("\u064E\u0651") << false;
}

void TestWriterLinkParts::complexScript() {
    QFETCH(QString, text);
    QFETCH(bool, complex);
    QCOMPARE(containsComplexScript(text), complex);
}

void TestWriterLinkParts::watchdogFiresOnlyAfterItsLimit() {
    std::atomic<int> fired = 0;
    QElapsedTimer clock;
    std::atomic<qint64> firedAfter = 0;
    CallWatchdog watchdog([&] {
        firedAfter = clock.elapsed();
        ++fired;
    });

    // Calls that end in time never trip it.
    for (int i = 0; i < 20; ++i) {
        watchdog.arm(std::chrono::milliseconds(200));
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        watchdog.disarm();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    QCOMPARE(fired.load(), 0);

    // A call that overruns trips it once, not before the limit.
    clock.start();
    watchdog.arm(std::chrono::milliseconds(150));
    QTRY_COMPARE_WITH_TIMEOUT(fired.load(), 1, 2000);
    QVERIFY(firedAfter >= 150);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    QCOMPARE(fired.load(), 1);
    watchdog.disarm();
}

QTEST_GUILESS_MAIN(TestWriterLinkParts)
#include "test_writer_link_parts.moc"
