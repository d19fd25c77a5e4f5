#pragma once

#include <QtGlobal>

// The input layouts of the desktop, as an ordered list with one active entry.
// Layouts are named by their Windows input locale identifiers.
class KeyboardLayouts {
public:
    virtual ~KeyboardLayouts() = default;

    // The identifier of the active layout; 0 when it is not known.
    virtual quint32 CurrentLayout() const = 0;
    // Makes the next layout of the list active (after the last: the first).
    virtual void ActivateNext() = 0;
    // Makes the previous layout active (before the first: the last).
    virtual void ActivatePrevious() = 0;
};

// US English with the US keyboard.
constexpr quint32 kUsEnglishLayout = 0x04090409;
// UK English with the UK keyboard.
constexpr quint32 kUkEnglishLayout = 0x08090809;
// Arabic (Saudi Arabia) with the Arabic 101 keyboard.
constexpr quint32 kArabicLayout = 0x04010401;
