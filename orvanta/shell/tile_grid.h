#pragma once

#include <optional>

// How many copies of a picture fill an area. Sizes are in the target's units
// (twips for every window of the program).
struct TileGrid {
    int columns = 0; // tiles painted side by side, from the area's left edge
    int rows = 0;    // rows painted, from the area's top edge
};

// One column and one row more than the area needs whole are painted, so the
// area is always covered; the target clips what lies beyond it. The counts are
// (width \ tileWidth) + 2 and (height \ tileHeight) + 2, "\" dividing the
// operands rounded half to even. No grid when a tile size rounds to 0 or a
// count does not fit 16 bits: nothing is painted then. A negative area gives
// counts of 0.
std::optional<TileGrid> tileGrid(double tileWidth, double tileHeight, double width, double height);

// A picture's size as the desktop reports it: whole hundredths of a
// millimetre for a size in pixels at the given dots per inch.
int pixelsToHimetric(int pixels, double dpi);

// Hundredths of a millimetre in twips.
double himetricToTwips(int himetric);
