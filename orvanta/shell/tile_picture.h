#pragma once

class PictureBox;
class QPixmap;

// Fills an area of a picture box with copies of a picture at its natural
// size, laid side by side from the area's top-left corner (x0, y0) and
// clipped by the box. The area is in twips. The picture's size is taken in
// hundredths of a millimetre at the box's dots per inch, as the desktop
// reports picture sizes, and converted to twips; see tileGrid for how many
// copies are painted. A picture whose size rounds to 0 paints nothing. What
// is painted stays on the box's canvas.
void TilePicture(PictureBox* target, const QPixmap& picture, double x0, double y0, double width,
                 double height);

// The picture tiled over the whole of the box, from its top-left corner: the
// texture face of a button or a panel.
void TileWholeBox(PictureBox* box, const QPixmap& picture);
