#pragma once

#include "orvanta/search/results_controls.h"

// The results window's layout rules, in twips of its inner area. The list
// column stands at the right edge over the full height; left of it the verse
// box fills the top, the tafsir panel (of fixed height) follows 20 twips
// below it and the surah fact bar 50 twips under the panel, centred on it.
// Below 2500 twips of width nothing moves; below 3780 twips of height only
// the rules across apply. A rule that would give a control a negative width
// or height is skipped and the next one runs. The panels are tiled with the
// background texture afterwards. False when the rules stopped at a threshold.
bool LayOutResults(const ResultsControls& c, double scaleWidth, double scaleHeight);
