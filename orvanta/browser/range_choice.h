#pragma once

#include <QString>
#include <QStringList>

// The entries of the verse-range choice: the first verse offers 1 to the
// surah's verse count, the last verse every verse after the chosen first one.

// The surah's verse count as its verse-count text gives it: the number after
// the 11-character label "عدد آياتها " and the line end; 0 when there is none.
int OfferedVerseCount(const QString& verseCountText);

// The entries "1" to the count.
QStringList FirstVerseEntries(int verseCount);

// The entries after the first verse chosen at position p (from 0) of
// entryCount first-verse entries: p + 2 to entryCount; none when the last
// verse was chosen as the first.
QStringList LastVerseEntries(int p, int entryCount);
