#include "fake_sound_player.h"
#include "orvanta/shell/start_screen_steps.h"
#include "orvanta/store/app_dir.h"
#include "orvanta/store/user_files.h"
#include "touch_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

class TestStartScreenSteps : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void waitLetsEventsRun();
    void waitBreaksOffWhenStopped();
    void greetingPath_data();
    void greetingPath();
    void greetingOnceInstallerEveryTime();
    void noSoundNoDeletionOnceEnding();
    void unloadStopsTheSound();
    void greetingSoundFile();

private:
    QTemporaryDir withVerseFile_;
    QTemporaryDir withoutVerseFile_;
};

void TestStartScreenSteps::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(touch(withVerseFile_.filePath(QStringLiteral("qor"))));
}

void TestStartScreenSteps::init() {
    SetAppDir(withVerseFile_.path());
    QFile::remove(LeftoverInstallerPath());
}

void TestStartScreenSteps::waitLetsEventsRun() {
    int ticks = 0;
    QTimer tick;
    connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
    tick.start(50);
    QElapsedTimer clock;
    clock.start();
    WaitYielding(kActivationWaitMilliseconds, {});
    const qint64 took = clock.elapsed();
    QVERIFY2(took >= kActivationWaitMilliseconds, qPrintable(QString::number(took)));
    QVERIFY2(took < kActivationWaitMilliseconds + 150, qPrintable(QString::number(took)));
    QVERIFY(ticks >= 8);

    // A wait of nothing still lets the pending events run once.
    bool ran = false;
    QTimer::singleShot(0, [&ran] { ran = true; });
    WaitYielding(0, {});
    QVERIFY(ran);
}

void TestStartScreenSteps::waitBreaksOffWhenStopped() {
    bool stop = false;
    QTimer::singleShot(100, [&stop] { stop = true; });
    QElapsedTimer clock;
    clock.start();
    WaitYielding(kActivationWaitMilliseconds, [&stop] { return stop; });
    QVERIFY2(clock.elapsed() < 250, qPrintable(QString::number(clock.elapsed())));
}

void TestStartScreenSteps::greetingPath_data() {
    QTest::addColumn<bool>("verseFileThere");
    QTest::newRow("verse file in the program folder: the program folder") << true;
    QTest::newRow("no verse file there: the current folder") << false;
}

void TestStartScreenSteps::greetingPath() {
    QFETCH(bool, verseFileThere);
    const QString folder = verseFileThere ? withVerseFile_.path() : withoutVerseFile_.path();
    SetAppDir(folder);
    const QString expected = verseFileThere ? folder + QStringLiteral("/besm.WAV")
                                            : QDir::currentPath() + QStringLiteral("/besm.WAV");
    QCOMPARE(GreetingSoundPath(), expected);
}

void TestStartScreenSteps::greetingOnceInstallerEveryTime() {
    FakeSoundPlayer player;
    StartScreenSteps steps(player, {});
    QVERIFY(touch(LeftoverInstallerPath()));
    steps.Form_Activate();
    QCOMPARE(player.played, QStringList{AppDir() + QStringLiteral("besm.WAV")});
    QVERIFY(steps.GreetingDone());
    QVERIFY(!QFile::exists(LeftoverInstallerPath()));

    // Later activations: the wait and the deletion again, no greeting.
    QVERIFY(touch(LeftoverInstallerPath()));
    steps.Form_Activate();
    QCOMPARE(player.played.size(), 1);
    QVERIFY(!QFile::exists(LeftoverInstallerPath()));
    QCOMPARE(steps.Activations(), 2);

    // A missing leftover is no error.
    steps.Form_Activate();
    QCOMPARE(player.played.size(), 1);
}

void TestStartScreenSteps::noSoundNoDeletionOnceEnding() {
    FakeSoundPlayer player;
    bool ending = false;
    StartScreenSteps steps(player, [&ending] { return ending; });
    QVERIFY(touch(LeftoverInstallerPath()));
    QTimer::singleShot(100, [&ending] { ending = true; });
    QElapsedTimer clock;
    clock.start();
    steps.Form_Activate();
    QVERIFY(clock.elapsed() < 250);
    QVERIFY(player.played.isEmpty());
    QVERIFY(QFile::exists(LeftoverInstallerPath()));
}

void TestStartScreenSteps::unloadStopsTheSound() {
    FakeSoundPlayer player;
    StartScreenSteps steps(player, {});
    steps.Form_Unload();
    QCOMPARE(player.stops, 1);
    QVERIFY(player.played.isEmpty());
}

// The greeting beside the program: a short, quiet PCM WAV file.
void TestStartScreenSteps::greetingSoundFile() {
    QFile wav(QStringLiteral(PROGRAM_DIR "/besm.WAV"));
    QVERIFY(wav.open(QIODevice::ReadOnly));
    const QByteArray data = wav.readAll();
    QVERIFY(data.size() > 44);
    QCOMPARE(data.left(4), QByteArray("RIFF"));
    QCOMPARE(data.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(qFromLittleEndian<quint16>(data.constData() + 20), quint16(1)); // PCM
    const auto channels = qFromLittleEndian<quint16>(data.constData() + 22);
    const auto rate = qFromLittleEndian<quint32>(data.constData() + 24);
    const auto bits = qFromLittleEndian<quint16>(data.constData() + 34);
    QCOMPARE(data.mid(36, 4), QByteArray("data"));
    const auto bytes = qFromLittleEndian<quint32>(data.constData() + 40);
    QCOMPARE(qsizetype(bytes), data.size() - 44);
    const double seconds = double(bytes) / (rate * channels * bits / 8);
    QVERIFY2(seconds >= 1 && seconds <= 2, qPrintable(QString::number(seconds)));
    QVERIFY(data.size() < 200 * 1024);
    // Gentle: no sample near full scale.
    int loudest = 0;
    for (qsizetype i = 44; i + 1 < data.size(); i += 2)
        loudest = qMax(loudest, qAbs(int(qFromLittleEndian<qint16>(data.constData() + i))));
    QVERIFY2(loudest < 16384, qPrintable(QString::number(loudest)));
}

QTEST_GUILESS_MAIN(TestStartScreenSteps)
#include "test_start_screen_steps.moc"
