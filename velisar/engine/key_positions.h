#pragma once

#include <QHash>
#include <QString>

// Where "verse/surah" first occurs in the vocalised text, answered without
// scanning the text: the search needs the previous verse's key for every hit,
// and finding it from the start of the text each time would cost a scan of
// the whole text per hit.
//
// The answer is exactly that of text.indexOf(verseKey(verse, surah)). A match
// of "V/S" can only lie across a slash, V being the end of the digits just
// before it and S the start of the digits just after, so the first match is
// found by recording, slash after slash, every such pair not seen before.
class KeyPositions {
public:
    // Indexes text unless it is the text indexed last; the search calls it
    // at its start. Holding a shared copy keeps the indexed characters alive,
    // so a text loaded later can never take their place unnoticed.
    void update(const QString& text);

    // The index of the first occurrence of verseKey(verse, surah), -1 if none.
    qsizetype firstIndexOf(int verse, int surah) const;

private:
    static constexpr int kMaxDigits = 3; // verse and surah numbers are read from 3 characters
    static constexpr int kLimit = 1000;  // 10 ^ kMaxDigits

    QString text_;
    QHash<int, qsizetype> first_;
};
