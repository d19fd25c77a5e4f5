#pragma once

#include <QString>

// What a key typed into the search box does. Only what the plain verse text
// can hold gets in: Arabic letters (code page 1256 codes from 128 up), the
// space, backspace and "*"; Enter searches and Esc asks a search to stop.
// Keys that type nothing (arrows, Delete, Home) are not judged here.
enum class Text1Key { Accept, Discard, Search, StopSearch };

// key is the Qt::Key, keyText the text it types.
Text1Key classifyText1Key(int key, const QString& keyText);
