#pragma once

#include <QStringList>
#include <QStringView>

// The layouts of an X keyboard, one per group, read from its symbols name
// such as "pc+us+ara:2+inet(evdev)+group(alt_shift_toggle)": here "us" and
// "ara". A variant stays with its layout ("us(intl)"). Option parts (inet,
// group, compose...) are not layouts.
QStringList XkbLayoutsFromSymbols(QStringView symbols);

// The Windows input locale identifier matching an X layout name: "us" is US
// English, "ara" Arabic, "gb" UK English; 0 for any other layout.
quint32 InputLocaleOfXkbLayout(QStringView layout);
