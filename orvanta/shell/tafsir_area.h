#pragma once

#include <QString>

class PictureBox;
class TextBox;
class QLabel;
class QWidget;

// The pieces of a tafsir area that the results window and the browser
// share: the two tafsirs' names, their panes and their tabs, i being 0 for
// the first tafsir and 1 for the second.

// The tafsir's name, which its tab and pane carry as their tooltip.
QString TafsirName(int i);

// Pane "Text2(i)" where both panes lie, one over the other: the first light
// green with dark green text, the second dark green with white text and
// hidden until its tab is chosen.
TextBox* CreateTafsirPane(QWidget* area, int i);

// Tab "Pic(i)", 1500 x 450 twips at the top of the area: its picture over
// whatever the area shows, which shows through the picture's rounded
// corners, and a pointing hand over it.
PictureBox* CreateTafsirTab(QWidget* area, int i, double left);

// The name of the pane in view: the second when it is shown, else the first.
QString VisibleTafsirName(const TextBox* const panes[2]);

// The tab click: pane i shown over the other, and the caption naming it,
// or left empty when the pane has no text.
void ShowTafsirPane(TextBox* const panes[2], QLabel* caption, int i);
