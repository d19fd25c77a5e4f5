#pragma once

#include <memory>

// Switches the user's keyboard to Arabic when the window opens, so that
// what is typed into the search box is accepted at once.
class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;

    // Selects an Arabic layout if the user has one configured; otherwise,
    // or where the platform has no such notion, does nothing.
    virtual void activateArabic() = 0;
};

// Does nothing: for tests and platforms without a layout switch.
class NoKeyboardLayout : public KeyboardLayout {
public:
    void activateArabic() override {}
};

// The switch for the platform the application runs on: the X keyboard
// extension's groups on X11, nothing elsewhere. Needs a QGuiApplication.
std::unique_ptr<KeyboardLayout> systemKeyboardLayout();
