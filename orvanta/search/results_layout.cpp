#include "orvanta/search/results_layout.h"

#include "common/twips_geometry.h"
#include "orvanta/shell/picture_box.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/shell/tile_picture.h"

#include <QLabel>
#include <QListWidget>

namespace {

constexpr double kLeastWidth = 2500;
constexpr double kLeastHeight = 3780;

void layOutAcross(const ResultsControls& c, double scaleWidth) {
    setTwipsWidth(c.Picture10, scaleWidth - 106 - twipsWidth(c.List1));
    setTwipsLeft(c.Picture2, (twipsWidth(c.Picture10) - twipsWidth(c.Picture2)) / 2);
    setTwipsLeft(c.List1, scaleWidth - twipsWidth(c.List1) - 50);
    setTwipsWidth(c.Text1, scaleWidth - 106 - twipsWidth(c.List1));
    setTwipsWidth(c.Text2[0], twipsWidth(c.Picture10));
    setTwipsWidth(c.Text2[1], twipsWidth(c.Picture10));
    setTwipsLeft(c.Pic[0],
                 twipsLeft(c.Text2[1]) + twipsWidth(c.Text2[1]) - twipsWidth(c.Pic[0]) - 15);
    setTwipsLeft(c.Pic[1], twipsLeft(c.Pic[0]) - twipsWidth(c.Pic[1]) - 5);
    setTwipsLeft(c.Label1, (twipsWidth(c.Picture10) - 3010) / 2);
    setTwipsLeft(c.Label2, twipsLeft(c.Label1) - twipsWidth(c.Label2) - 20);
}

void layOutDown(const ResultsControls& c, double scaleHeight, double v) {
    setTwipsHeight(c.Text1, scaleHeight - v);
    setTwipsTop(c.Picture10, twipsTop(c.Text1) + twipsHeight(c.Text1) + 20);
    setTwipsHeight(c.List1, scaleHeight - 6);
    setTwipsTop(c.Picture2, twipsTop(c.Picture10) + twipsHeight(c.Picture10) + 50);
    if (twipsWidth(c.Picture10) < twipsWidth(c.Picture2))
        setTwipsLeft(c.Picture2, twipsLeft(c.List1) - twipsWidth(c.Picture2));
}

} // namespace

bool LayOutResults(const ResultsControls& c, double scaleWidth, double scaleHeight) {
    if (scaleWidth < kLeastWidth)
        return false;
    layOutAcross(c, scaleWidth);
    const double v = twipsHeight(c.Picture10) + 1000;
    if (scaleHeight < kLeastHeight)
        return false;
    layOutDown(c, scaleHeight, v);
    const QPixmap texture = c.Picture1->pixmap();
    TileWholeBox(c.Picture2, texture);
    TileWholeBox(c.Picture10, texture);
    return true;
}
