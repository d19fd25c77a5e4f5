#include "orvanta/shell/start_screen_steps.h"

#include "orvanta/shell/sound_player.h"
#include "orvanta/store/app_dir.h"
#include "orvanta/store/user_files.h"
#include "orvanta/store/verse_file.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTimer>

namespace {

// How often a wait with nothing to do wakes up to look at the clock.
constexpr int kWakeMilliseconds = 10;

} // namespace

void WaitYielding(int milliseconds, const std::function<bool()>& stop) {
    const QDeadlineTimer deadline(milliseconds);
    QTimer wake;
    wake.start(kWakeMilliseconds);
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    } while (!(stop && stop()) && !deadline.hasExpired());
}

QString GreetingSoundPath() {
    if (DataFileExists(VerseFilePath()))
        return AppDir() + kGreetingSoundName;
    return QDir::current().absoluteFilePath(kGreetingSoundName);
}

StartScreenSteps::StartScreenSteps(SoundPlayer& player, std::function<bool()> stop)
    : player_(player), stop_(std::move(stop)) {}

void StartScreenSteps::Form_Activate() {
    ++activations_;
    WaitYielding(kActivationWaitMilliseconds, stop_);
    if (stop_ && stop_())
        return;
    if (!greetingDone_) {
        greetingDone_ = true;
        player_.Play(GreetingSoundPath());
    }
    QFile::remove(LeftoverInstallerPath());
}

void StartScreenSteps::Form_Unload() {
    player_.Stop();
}
