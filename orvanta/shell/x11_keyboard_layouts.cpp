#include "orvanta/shell/x11_keyboard_layouts.h"

#include "orvanta/shell/xkb_layout_names.h"

#include <QGuiApplication>
#include <X11/XKBlib.h>

namespace {

Display* display() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

QStringList layouts(Display* d) {
    QStringList names;
    XkbDescPtr keyboard = XkbAllocKeyboard();
    if (!keyboard)
        return names;
    if (XkbGetNames(d, XkbSymbolsNameMask, keyboard) == Success && keyboard->names &&
        keyboard->names->symbols != None) {
        if (char* symbols = XGetAtomName(d, keyboard->names->symbols)) {
            names = XkbLayoutsFromSymbols(QString::fromLatin1(symbols));
            XFree(symbols);
        }
    }
    XkbFreeKeyboard(keyboard, 0, True);
    return names;
}

int activeGroup(Display* d) {
    XkbStateRec state;
    if (XkbGetState(d, XkbUseCoreKbd, &state) != Success)
        return -1;
    return state.group;
}

} // namespace

bool X11KeyboardLayouts::IsAvailable() const {
    return display() != nullptr;
}

quint32 X11KeyboardLayouts::CurrentLayout() const {
    Display* d = display();
    if (!d)
        return 0;
    const int group = activeGroup(d);
    const QStringList names = layouts(d);
    if (group < 0 || group >= names.size())
        return 0;
    return InputLocaleOfXkbLayout(names.at(group));
}

void X11KeyboardLayouts::ActivateNext() {
    step(1);
}

void X11KeyboardLayouts::ActivatePrevious() {
    step(-1);
}

void X11KeyboardLayouts::step(int by) {
    Display* d = display();
    if (!d)
        return;
    const int count = static_cast<int>(layouts(d).size());
    const int group = activeGroup(d);
    if (count < 2 || group < 0)
        return;
    XkbLockGroup(d, XkbUseCoreKbd, static_cast<unsigned>((group + by + count) % count));
    XFlush(d);
}
