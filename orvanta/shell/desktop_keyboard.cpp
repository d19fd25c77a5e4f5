#include "orvanta/shell/desktop_keyboard.h"

#include "orvanta/shell/switch_keyboard.h"
#include "orvanta/shell/x11_keyboard_layouts.h"

namespace {

class NoKeyboardLayouts : public KeyboardLayouts {
public:
    quint32 CurrentLayout() const override { return 0; }
    void ActivateNext() override {}
    void ActivatePrevious() override {}
};

} // namespace

KeyboardLayouts& DesktopKeyboardLayouts() {
    static X11KeyboardLayouts x11;
    static NoKeyboardLayouts none;
    if (x11.IsAvailable())
        return x11;
    return none;
}

void SwitchKeyboard(QStringView language) {
    SwitchKeyboard(DesktopKeyboardLayouts(), language);
}
