#pragma once

#include "orvanta/shell/keyboard_layouts.h"

// The groups of the X keyboard as the layout list: the active group is the
// active layout; switching locks the next or previous group.
class X11KeyboardLayouts : public KeyboardLayouts {
public:
    // Whether the program runs on an X server (xcb platform).
    bool IsAvailable() const;

    quint32 CurrentLayout() const override;
    void ActivateNext() override;
    void ActivatePrevious() override;

private:
    void step(int by);
};
