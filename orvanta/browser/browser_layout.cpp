#include "orvanta/browser/browser_layout.h"

#include "common/twips_geometry.h"
#include "orvanta/shell/picture_box.h"
#include "orvanta/shell/shared_pictures.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/shell/tile_picture.h"

#include <QLabel>
#include <QListWidget>

namespace {

void layOutRangeView(const BrowserControls& c, double scaleWidth, double scaleHeight) {
    const double panelHeight = twipsHeight(c.Picture2_0);
    setTwipsWidth(c.Picture10, scaleWidth - 106 - twipsWidth(c.List1));
    setTwipsWidth(c.Text1, scaleWidth - 106 - twipsWidth(c.List1));
    setTwipsWidth(c.Text2[0], twipsWidth(c.Picture10));
    setTwipsWidth(c.Text2[1], twipsWidth(c.Picture10));
    setTwipsLeft(c.Pic[0],
                 twipsLeft(c.Text2[1]) + twipsWidth(c.Text2[1]) - twipsWidth(c.Pic[0]) - 15);
    setTwipsLeft(c.Pic[1], twipsLeft(c.Pic[0]) - twipsWidth(c.Pic[1]) - 5);
    setTwipsHeight(c.Text1, scaleHeight - panelHeight - 200 - twipsHeight(c.Picture10));
    setTwipsTop(c.Picture10, twipsTop(c.Text1) + twipsHeight(c.Text1));
    setTwipsHeight(c.List1, scaleHeight - panelHeight - 6);
    setTwipsLeft(c.List1, scaleWidth - (twipsWidth(c.List1) + 50));
    setTwipsLeft(c.Label3_0, (twipsWidth(c.Picture10) - 3010) / 2);
    setTwipsLeft(c.Label6, twipsLeft(c.Label3_0) - twipsWidth(c.Label6) - 20);
}

} // namespace

void LayOutBrowser(const BrowserControls& c, int viewMode, double scaleWidth, double scaleHeight) {
    setTwipsLeft(c.Picture2_0, (scaleWidth - twipsWidth(c.Picture2_0)) / 2);
    TileWholeBox(c.Picture2_0, pictures::BackgroundTexture());
    if (viewMode == 1) {
        setTwipsWidth(c.Text1, scaleWidth - 6);
        setTwipsHeight(c.Text1, scaleHeight - twipsHeight(c.Picture2_0) - 10);
        return;
    }
    layOutRangeView(c, scaleWidth, scaleHeight);
}

void SetInitialState(const BrowserControls& c, double scaleHeight) {
    setTwipsTop(c.Picture2_0, (scaleHeight - twipsHeight(c.Picture2_0)) / 2);
    c.Picture2_0->SetBorderStyle(1);
    c.Picture10->hide();
    c.Text1->hide();
    c.List1->hide();
}
