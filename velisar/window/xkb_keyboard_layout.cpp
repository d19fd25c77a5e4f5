#include "velisar/window/xkb_keyboard_layout.h"

#include <QGuiApplication>
#include <QString>
#include <X11/XKBlib.h>

namespace {

// The index of the first group named Arabic, or -1.
int arabicGroup(Display* display) {
    XkbDescPtr keyboard = XkbAllocKeyboard();
    if (!keyboard)
        return -1;
    int found = -1;
    if (XkbGetNames(display, XkbGroupNamesMask, keyboard) == Success && keyboard->names) {
        for (int group = 0; group < XkbNumKbdGroups && found < 0; ++group) {
            const Atom atom = keyboard->names->groups[group];
            if (atom == None)
                continue;
            char* name = XGetAtomName(display, atom);
            if (name && QString::fromUtf8(name).startsWith(QStringLiteral("Arabic")))
                found = group;
            XFree(name);
        }
    }
    XkbFreeKeyboard(keyboard, 0, True);
    return found;
}

} // namespace

void XkbKeyboardLayout::activateArabic() {
    if (!display_)
        return;
    const int group = arabicGroup(display_);
    if (group < 0)
        return;
    XkbLockGroup(display_, XkbUseCoreKbd, unsigned(group));
    XFlush(display_);
}

std::unique_ptr<KeyboardLayout> systemKeyboardLayout() {
    if (auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        if (Display* display = x11->display())
            return std::make_unique<XkbKeyboardLayout>(display);
    }
    return std::make_unique<NoKeyboardLayout>();
}
