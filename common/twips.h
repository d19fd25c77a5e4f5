#pragma once

// Control positions are kept in twips (1/1440 inch), as the layout rules
// compute them, and turned into pixels only when a widget is placed.
constexpr double kTwipsPerInch = 1440.0;
