#include "orvanta/shell/picture_button.h"

#include "common/twips_geometry.h"
#include "orvanta/shell/shared_pictures.h"
#include "orvanta/shell/tile_picture.h"

#include <QLabel>

namespace {

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

void PaintNormalFace(PictureBox* box) {
    TileWholeBox(box, pictures::NormalButtonTexture());
}

void PaintHotFace(PictureBox* box) {
    TileWholeBox(box, pictures::HotButtonTexture());
}

PictureButton::PictureButton(QWidget* parent, int index, const QRectF& rect, const QString& caption,
                             const QRectF& captionRect, const QPixmap& icon, const QRectF& iconRect)
    : PictureBox(parent), caption_(new QLabel(caption, this)), icon_(new QLabel(this)) {
    setObjectName(indexed("Picture2", index));
    setCursor(Qt::PointingHandCursor);
    SetBackColor(kPictureButtonBack);
    setTwipsGeometry(this, rect);

    caption_->setObjectName(indexed("Label3", index));
    caption_->setAlignment(Qt::AlignCenter);
    setTwipsGeometry(caption_, captionRect);

    icon_->setObjectName(indexed("Image5", index));
    icon_->setPixmap(icon);
    icon_->setAlignment(Qt::AlignCenter);
    setTwipsGeometry(icon_, iconRect);

    // The caption and the icon are part of the button's face: the pointer
    // over them is over the button, and a click on them is the button's.
    for (QLabel* part : {caption_, icon_})
        part->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureButton::ShowNormalFace() {
    PaintNormalFace(this);
    SetBorderStyle(0);
}

void PictureButton::ShowHotFace() {
    PaintHotFace(this);
    SetBorderStyle(1);
}
