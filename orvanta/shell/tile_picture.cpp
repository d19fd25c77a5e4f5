#include "orvanta/shell/tile_picture.h"

#include "common/twips_geometry.h"
#include "orvanta/shell/picture_box.h"
#include "orvanta/shell/tile_grid.h"

#include <QPainter>

void TilePicture(PictureBox* target, const QPixmap& picture, double x0, double y0, double width,
                 double height) {
    const double dpi = target->logicalDpiX();
    const double tileWidth = himetricToTwips(pixelsToHimetric(picture.width(), dpi));
    const double tileHeight = himetricToTwips(pixelsToHimetric(picture.height(), dpi));
    const std::optional<TileGrid> grid = tileGrid(tileWidth, tileHeight, width, height);
    if (!grid)
        return;
    const double perPixel = twipsPerPixel(target);
    QPainter painter(&target->Canvas());
    double y = y0;
    for (int row = 0; row < grid->rows; ++row) {
        double x = x0;
        for (int column = 0; column < grid->columns; ++column) {
            painter.drawPixmap(qRound(x / perPixel), qRound(y / perPixel), picture);
            x += tileWidth;
        }
        y += tileHeight;
    }
    target->update();
}

void TileWholeBox(PictureBox* box, const QPixmap& picture) {
    TilePicture(box, picture, 0, 0, twipsWidth(box), twipsHeight(box));
}
