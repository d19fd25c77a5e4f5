#pragma once

#include <QStringView>

// Whether text holds a letter of a script that Writer formats with its
// "complex text layout" attributes (CharFontNameComplex and friends):
// Arabic, Hebrew and the other right-to-left scripts, and the Indic and
// South-East Asian ones. Digits, spaces and punctuation belong to no script.
bool containsComplexScript(QStringView text);
