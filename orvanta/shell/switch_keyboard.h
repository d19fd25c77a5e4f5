#pragma once

#include "orvanta/shell/keyboard_layouts.h"

#include <QStringView>

// Turns Arabic ("a") or English ("e") input on, in any letter case; any other
// text does nothing. With US English and Arabic as the two layouts, "a"
// selects Arabic and "e" English. "a" steps to the next layout only while US
// English is active; "e" steps back one layout whenever it is not.
void SwitchKeyboard(KeyboardLayouts& layouts, QStringView language);
