#pragma once

#include <QString>
#include <functional>

class SoundPlayer;

// Lets the program handle its events for so many milliseconds, at least once,
// or until stop() turns true. The time is measured on a monotonic clock, so a
// wait that spans midnight or a change of the system clock ends on time.
void WaitYielding(int milliseconds, const std::function<bool()>& stop);

// The greeting sound: "besm.WAV" in the program folder when the verse file
// lies there, otherwise in the current folder.
QString GreetingSoundPath();

inline const QString kGreetingSoundName = QStringLiteral("besm.WAV");
constexpr int kActivationWaitMilliseconds = 500;

// What the start screen does each time it becomes the active window, and
// when it closes. The greeting sounds once per run.
class StartScreenSteps {
public:
    // stop() tells that the program is ending: a wait in progress breaks off
    // and the remaining steps are skipped.
    StartScreenSteps(SoundPlayer& player, std::function<bool()> stop);

    // Waits half a second while the windows stay alive, greets the user on
    // the first activation, then removes the installer's leftover (a
    // missing or undeletable file is no error).
    void Form_Activate();
    // Stops the greeting if it still sounds.
    void Form_Unload();

    bool GreetingDone() const { return greetingDone_; }
    int Activations() const { return activations_; }

private:
    SoundPlayer& player_;
    std::function<bool()> stop_;
    bool greetingDone_ = false;
    int activations_ = 0;
};
