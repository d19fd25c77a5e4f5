#pragma once

#include <QString>

class PictureBox;
class QPixmap;
class QWidget;

// A tafsir tab, 1500 x 450 twips at the top of a tafsir area: its picture
// over whatever the area shows, which shows through the picture's rounded
// corners; a pointing hand over it and the tafsir's name as its tooltip. The
// results window and the browser share the tabs' look.
PictureBox* CreateTafsirTab(QWidget* area, const char* name, double left, const QString& tip,
                            const QPixmap& picture);
