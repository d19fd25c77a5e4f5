#pragma once

#include <QString>

// Plays a sound file in the background. A missing file, a file that is no
// sound, or a machine without a sound device plays nothing, and nothing is
// reported.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Starts the sound and returns at once.
    virtual void Play(const QString& path) = 0;
    // Stops a sound that is still playing.
    virtual void Stop() = 0;
};
