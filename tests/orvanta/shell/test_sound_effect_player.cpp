#include "orvanta/shell/sound_effect_player.h"

#include <QTemporaryDir>
#include <QTest>

// The greeting is played with Qt Multimedia; on a machine without a sound
// device, as here, it plays nothing and the program goes on.
class TestSoundEffectPlayer : public QObject {
    Q_OBJECT
private slots:
    void missingFilePlaysNothing();
    void playAndStopWithoutSoundDevice();
};

void TestSoundEffectPlayer::missingFilePlaysNothing() {
    SoundEffectPlayer player;
    QTemporaryDir dir;
    player.Play(dir.filePath(QStringLiteral("besm.WAV")));
    player.Play(dir.path()); // a folder is no sound either
    player.Stop();
    // The sound system was never loaded.
    QVERIFY(!player.SoundSystemLoaded());
}

void TestSoundEffectPlayer::playAndStopWithoutSoundDevice() {
    SoundEffectPlayer player;
    player.Play(QStringLiteral(PROGRAM_DIR "/besm.WAV"));
    QVERIFY(player.SoundSystemLoaded());
    QTest::qWait(200);
    player.Stop();
    player.Play(QStringLiteral(PROGRAM_DIR "/besm.WAV"));
    QTest::qWait(50);
}

QTEST_MAIN(TestSoundEffectPlayer)
#include "test_sound_effect_player.moc"
