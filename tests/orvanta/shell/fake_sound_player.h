#pragma once

#include "orvanta/shell/sound_player.h"

#include <QStringList>

// Stands in for the sound system: writes down what it is asked to play and
// how often to stop.
class FakeSoundPlayer : public SoundPlayer {
public:
    void Play(const QString& path) override { played.append(path); }
    void Stop() override { ++stops; }

    QStringList played;
    int stops = 0;
};
