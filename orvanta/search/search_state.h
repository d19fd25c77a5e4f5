#pragma once

#include <QString>

// What the last word search leaves behind for the results window, besides
// the hits it wrote to the results file (ResultsFilePath(): "C:\find" as the
// search writes it, "c:\find" as the readers spell it - one file). Both live
// for one run of the program; the file outlives it.

// The searched word as the last search stored it: as typed for a search with
// diacritics, without its marks (code 240 and above) for one without.
// Empty until the first search.
inline QString SearchWord;

// 1 when the shown verse is to be matched with its diacritics. Set by a
// search with diacritics and by checking the dialog's "بحث بالحركات"; only
// clearing that box sets it back to 0.
inline quint8 DiacriticsMode = 0;
