#include "orvanta/shell/tile_grid.h"

#include "common/rounding.h"
#include "common/twips.h"

#include <QtGlobal>
#include <algorithm>
#include <limits>

namespace {

constexpr double kHimetricPerInch = 2540.0;

// (extent \ tile) + 1, the last index of a 0-based loop, as a 16-bit count.
std::optional<int> lastIndex(double tile, double extent) {
    const std::optional<qint64> whole = integerDivide(extent, tile);
    if (!whole)
        return std::nullopt;
    const qint64 last = *whole + 1;
    if (last < std::numeric_limits<qint16>::min() || last > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<int>(last);
}

} // namespace

std::optional<TileGrid> tileGrid(double tileWidth, double tileHeight, double width, double height) {
    const std::optional<int> lastColumn = lastIndex(tileWidth, width);
    if (!lastColumn)
        return std::nullopt;
    const std::optional<int> lastRow = lastIndex(tileHeight, height);
    if (!lastRow)
        return std::nullopt;
    return TileGrid{std::max(0, *lastColumn + 1), std::max(0, *lastRow + 1)};
}

int pixelsToHimetric(int pixels, double dpi) {
    return qRound(pixels * kHimetricPerInch / dpi);
}

double himetricToTwips(int himetric) {
    return himetric * kTwipsPerInch / kHimetricPerInch;
}
