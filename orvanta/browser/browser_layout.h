#pragma once

#include "orvanta/browser/browser_controls.h"

// The browser's layout rules, in twips of its inner area (scale width and
// height). A rule that would give a control a negative size is skipped (the
// window is minimised or tiny) and the next rule runs.

// The rules of every size change: the choice panel centred across and tiled
// with the background texture; in the page view (viewMode 1) the page text
// fills the window below the panel; otherwise the page text, the tafsir area
// and the verse index share it. The panel never moves up or down here.
void LayOutBrowser(const BrowserControls& c, int viewMode, double scaleWidth, double scaleHeight);

// The window before any page or range is shown: the panel framed and
// centred top to bottom, page text, tafsir area and verse index hidden.
void SetInitialState(const BrowserControls& c, double scaleHeight);
