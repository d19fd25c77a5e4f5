#pragma once

#include "orvanta/shell/sound_player.h"

class QSoundEffect;

// Plays WAV files with Qt Multimedia's sound effect, which plays nothing on a
// machine without a sound device. The effect is made on the first sound, so
// a program that never plays one never loads the sound system.
class SoundEffectPlayer : public SoundPlayer {
public:
    SoundEffectPlayer();
    ~SoundEffectPlayer() override;

    void Play(const QString& path) override;
    void Stop() override;

    bool SoundSystemLoaded() const { return effect_ != nullptr; }

private:
    QSoundEffect* effect_ = nullptr;
};
