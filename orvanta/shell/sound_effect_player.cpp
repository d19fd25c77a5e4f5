#include "orvanta/shell/sound_effect_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

SoundEffectPlayer::SoundEffectPlayer() = default;

SoundEffectPlayer::~SoundEffectPlayer() {
    delete effect_;
}

void SoundEffectPlayer::Play(const QString& path) {
    // No default sound stands in for a missing file.
    if (!QFileInfo(path).isFile())
        return;
    if (!effect_)
        effect_ = new QSoundEffect;
    effect_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    effect_->play();
}

void SoundEffectPlayer::Stop() {
    if (effect_)
        effect_->stop();
}
