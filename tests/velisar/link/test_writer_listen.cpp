// scripts/writer-listen.sh: a Writer started the ordinary way, without any
// --accept option, accepts Velisar once the script has run for its profile,
// and no longer after --remove.
#include "headless_writer.h"
#include "velisar/link/libreoffice/writer_link.h"
#include "writer_test_document.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTest>

class TestWriterListen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void listensOnlyWhileTheSettingIsThere();
    void refusesWhileTheOfficeRuns();
    void refusesAPipeNameThatCannotStandInAURL();

private:
    // Runs the script on the test's profile; its exit code.
    int runScript(const QStringList& arguments);
    int settingCount();

    HeadlessWriter writer_;
    QString pipe_;
};

void TestWriterListen::initTestCase() {
    // Not the pipe the test harness would pass with --accept: only the
    // profile's setting can open this one.
    pipe_ = QStringLiteral("velisar_listen_%1").arg(QCoreApplication::applicationPid());
}

int TestWriterListen::runScript(const QStringList& arguments) {
    QProcess script;
    script.setProcessChannelMode(QProcess::ForwardedChannels);
    script.start(QStringLiteral(WRITER_LISTEN_SCRIPT),
                 QStringList{QStringLiteral("--profile"), writer_.profileDir(),
                             QStringLiteral("--pipe"), pipe_} +
                     arguments);
    if (!script.waitForFinished(60000) || script.exitStatus() != QProcess::NormalExit)
        return -1;
    return script.exitCode();
}

int TestWriterListen::settingCount() {
    QFile settings(writer_.profileDir() + QStringLiteral("/user/registrymodifications.xcu"));
    if (!settings.open(QIODevice::ReadOnly))
        return -1;
    return int(settings.readAll().count("\"ooSetupConnectionURL\""));
}

void TestWriterListen::listensOnlyWhileTheSettingIsThere() {
    // A profile the office has never seen.
    QCOMPARE(runScript({}), 0);
    QCOMPARE(settingCount(), 1);
    QVERIFY2(writer_.start(false, pipe_), "Writer does not listen on the profile's pipe");
    {
        WriterLink link(pipe_);
        QVERIFY(link.attach());
        QCOMPARE(link.identity(), QStringLiteral("LibreOffice"));
        WriterTestDocument document(pipe_);
        QCOMPARE(link.documentCount(), 1);
    }
    writer_.stop();
    // The office kept the setting when it rewrote its profile.
    QCOMPARE(settingCount(), 1);

    QCOMPARE(runScript({QStringLiteral("--remove")}), 0);
    QCOMPARE(settingCount(), 0);
    // Started with a pipe of the test's own to know when it is up.
    QVERIFY(writer_.start(true));
    QVERIFY(!HeadlessWriter::accepts(pipe_));
    writer_.stop();

    // Again, now into the profile the office wrote, and twice.
    QCOMPARE(runScript({}), 0);
    QCOMPARE(runScript({}), 0);
    QCOMPARE(settingCount(), 1);
    QVERIFY(writer_.start(false, pipe_));
    writer_.stop();
}

void TestWriterListen::refusesWhileTheOfficeRuns() {
    // The office would overwrite the change when it exits.
    QCOMPARE(runScript({}), 0);
    QVERIFY(writer_.start(false, pipe_));
    QCOMPARE(runScript({QStringLiteral("--remove")}), 1);
    writer_.stop();
    QCOMPARE(settingCount(), 1);
    QCOMPARE(runScript({QStringLiteral("--remove")}), 0);
}

void TestWriterListen::refusesAPipeNameThatCannotStandInAURL() {
    pipe_ = QStringLiteral("a;b");
    QCOMPARE(runScript({}), 2);
}

QTEST_GUILESS_MAIN(TestWriterListen)
#include "test_writer_listen.moc"
