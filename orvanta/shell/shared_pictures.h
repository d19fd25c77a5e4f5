#pragma once

#include <QPixmap>

// The program's own pictures, kept in its resources. Each is loaded once and
// then shared by every window that shows it.
namespace pictures {

QPixmap NormalButtonTexture(); // 2 x 29 pixels, the face of a picture button
QPixmap HotButtonTexture();    // 2 x 29 pixels, a highlighted picture button
QPixmap BackgroundTexture();   // 50 x 50 pixels, panels and window backgrounds
QPixmap Banner();              // the browser's banner, 224 x 37 pixels
QPixmap PanelEndRight();       // the right end of the browser's choice panel
QPixmap PanelEndLeft();        // its left end
QPixmap BackIcon();            // 12 x 13 pixel button icons
QPixmap FormatIcon();
QPixmap SearchIcon();
QPixmap CloseIcon();
QPixmap ProgramIcon();  // the windows' icon
QPixmap TafsirTab1();   // 100 x 30 pixels, the tab of "تفسير الجلالين"
QPixmap TafsirTab2();   // the tab of "التفسير الميسر"
QPixmap BarEndRight();  // 25 x 47 pixels, the right end of the surah fact bar
QPixmap BarEndLeft();   // its left end
QPixmap BrowseIcon();   // 12 x 13, the start screen's browse button
QPixmap StartArtwork(); // 531 x 243, the start screen's picture
QPixmap AboutEmblem();  // 200 x 80, the about box's upper picture
QPixmap AboutBand();    // 73 x 156, the about box's picture along its left edge

} // namespace pictures
