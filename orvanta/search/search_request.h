#pragma once

#include <QString>
#include <QStringView>

// Where in the Mushaf a search looks: the dialog's three option buttons.
enum class SearchScope {
    WholeMushaf, // Option1: every verse
    OneJuz,      // Option2: the juz named by Combo1
    JuzRange,    // Option3: from the juz of Combo2 to the juz of Combo3
};

// The search dialog's state as a search reads it. The search takes it once,
// when it starts: what the user changes in the dialog while it runs does not
// change a search half way through.
struct SearchRequest {
    QString Text1;  // the word, as typed, blanks included
    int Check1 = 0; // 1: with diacritics; 0 (or anything else): without
    SearchScope Scope = SearchScope::WholeMushaf;
    QString Combo1 = QStringLiteral("1");
    QString Combo2 = QStringLiteral("1");
    QString Combo3 = QStringLiteral("2");
};

// Whether a verse of this juz (line 6 of its record) lies in the scope. The
// texts are read by their numeric value, so a juz or a bound that is no
// number counts as 0; both bounds of a range are included.
bool InScope(const SearchRequest& request, QStringView juzNo);
