#pragma once

#include "orvanta/shell/keyboard_layouts.h"

#include <QStringView>

// The keyboard layouts of the desktop the program runs on: the X keyboard's
// groups under X11; elsewhere a list that has no layouts and switches none.
KeyboardLayouts& DesktopKeyboardLayouts();

// SwitchKeyboard on the desktop's layouts.
void SwitchKeyboard(QStringView language);
