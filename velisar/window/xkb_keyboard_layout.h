#pragma once

#include "velisar/window/keyboard_layout.h"

typedef struct _XDisplay Display;

// On X11 the layouts the user configured are the groups of the X keyboard
// extension; this locks the first group whose name is Arabic ("Arabic",
// "Arabic (Syria)" ...). Without an Arabic group nothing changes.
class XkbKeyboardLayout : public KeyboardLayout {
public:
    explicit XkbKeyboardLayout(Display* display) : display_(display) {}
    void activateArabic() override;

private:
    Display* display_;
};
