#pragma once

#include "orvanta/shell/picture_box.h"

#include <QColor>
#include <QRectF>

class QLabel;

// The pale blue a picture button shows where no texture covers it; picture
// boxes that sit among the buttons use it too.
inline const QColor kPictureButtonBack(222, 236, 239);

// A button drawn as a picture box with a caption and an icon, painted with
// the shared normal or highlighted texture. Its border is the only record of
// its state: none while normal, a single line while highlighted ("raised").
// A click on the box, its caption or its icon is one click of the button;
// mouse moves over any of them are moves over the button. Which moves raise
// or flatten which buttons is the window's own rule.
class PictureButton : public PictureBox {
    Q_OBJECT
public:
    // The controls are named "Picture2(i)", "Label3(i)" and "Image5(i)";
    // rectangles in twips, the caption's and icon's inside the button.
    PictureButton(QWidget* parent, int index, const QRectF& rect, const QString& caption,
                  const QRectF& captionRect, const QPixmap& icon, const QRectF& iconRect);

    bool IsRaised() const { return BorderStyle() != 0; }
    // The normal face: the normal texture over the whole button, no border.
    void ShowNormalFace();
    // The highlighted face: the hot texture, a single-line border.
    void ShowHotFace();

    QLabel* Caption() const { return caption_; }
    QLabel* Icon() const { return icon_; }

private:
    QLabel* caption_;
    QLabel* icon_;
};

// The normal texture over the whole of a picture box.
void PaintNormalFace(PictureBox* box);
// The highlighted texture over the whole of a picture box.
void PaintHotFace(PictureBox* box);
