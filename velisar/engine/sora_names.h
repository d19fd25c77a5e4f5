#pragma once

#include <QStringList>

// The 115 entries of Sora_Names: entry 0 is the word " سورة " with a space
// on each side, entries 1 to 114 the surah names in Mushaf order, spelled
// as the references show them (some with tatweel).
const QStringList& soraNameTable();
