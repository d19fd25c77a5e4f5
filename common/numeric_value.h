#pragma once

#include <QStringView>

// The numeric value of a text: the decimal number at its start (an optional
// sign, digits, an optional fraction), leading blanks (spaces, tabs, line breaks) skipped; 0 when
// the text does not start with a number. Lines of the data files and the texts of combo boxes are
// compared "as numbers" this way.
double numericValue(QStringView text);
