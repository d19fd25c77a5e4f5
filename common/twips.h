#pragma once

// Control positions are kept in twips (1/1440 inch), as the layout rules
// compute them, and turned into pixels only when a widget is placed.
constexpr double kTwipsPerInch = 1440.0;

constexpr double twipsToPixels(double twips, double logicalDpi) {
    return twips / (kTwipsPerInch / logicalDpi);
}

constexpr double pixelsToTwips(double pixels, double logicalDpi) {
    return pixels * (kTwipsPerInch / logicalDpi);
}
