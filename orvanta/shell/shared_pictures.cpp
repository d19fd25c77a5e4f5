#include "orvanta/shell/shared_pictures.h"

namespace {

QPixmap load(const QString& name) {
    // QPixmap keeps a file it has loaded in its cache, so every window gets
    // the same picture data.
    return QPixmap(QStringLiteral(":/orvanta/pictures/") + name);
}

} // namespace

namespace pictures {

QPixmap NormalButtonTexture() {
    return load(QStringLiteral("button-normal.png"));
}

QPixmap HotButtonTexture() {
    return load(QStringLiteral("button-hot.png"));
}

QPixmap BackgroundTexture() {
    return load(QStringLiteral("background.png"));
}

QPixmap Banner() {
    return load(QStringLiteral("banner.png"));
}

QPixmap PanelEndRight() {
    return load(QStringLiteral("panel-end-right.png"));
}

QPixmap PanelEndLeft() {
    return load(QStringLiteral("panel-end-left.png"));
}

QPixmap BackIcon() {
    return load(QStringLiteral("icon-back.png"));
}

QPixmap FormatIcon() {
    return load(QStringLiteral("icon-format.png"));
}

QPixmap SearchIcon() {
    return load(QStringLiteral("icon-search.png"));
}

QPixmap CloseIcon() {
    return load(QStringLiteral("icon-close.png"));
}

QPixmap ProgramIcon() {
    return load(QStringLiteral("orvanta.png"));
}

QPixmap TafsirTab1() {
    return load(QStringLiteral("tab-tafsir1.png"));
}

QPixmap TafsirTab2() {
    return load(QStringLiteral("tab-tafsir2.png"));
}

QPixmap BarEndRight() {
    return load(QStringLiteral("bar-end-right.png"));
}

QPixmap BarEndLeft() {
    return load(QStringLiteral("bar-end-left.png"));
}

QPixmap BrowseIcon() {
    return load(QStringLiteral("icon-browse.png"));
}

QPixmap StartArtwork() {
    return load(QStringLiteral("start-artwork.png"));
}

QPixmap AboutEmblem() {
    return load(QStringLiteral("about-emblem.png"));
}

QPixmap AboutBand() {
    return load(QStringLiteral("about-band.png"));
}

} // namespace pictures
