#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The stretch of a vocalised verse text that spells a bare word with the
// verse's marks in between ("الله" in "اللَّهِ" gives "اللَّه"). The walk
// goes once through the text: a letter of the word extends the stretch, a
// mark (code 240 and above) inside a started stretch is taken along, any
// other character starts again from the word's first letter - without
// comparing that character with it. So it ends on the first complete match,
// or with what a match cut short by the text's end left, or empty.
QString MatchingWalk(QStringView verseText, QStringView word);

// A selection in a text box: start (from 0) and length in characters.
struct TextSpan {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const TextSpan&) const = default;
};

// What the results window selects for the span text H: from the first
// occurrence of H, one character more than H (the mark or blank after the
// word), cut at the end of the text. An empty H is found at the start. None
// when H does not occur in the text.
std::optional<TextSpan> SelectionSpan(QStringView verseText, QStringView h);
