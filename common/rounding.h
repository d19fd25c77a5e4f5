#pragma once

#include <QStringView>
#include <optional>

// Whole-number arithmetic the way the programs' layout and settings rules
// define it: halves go to the even neighbour (2.5 -> 2, 3.5 -> 4).
qint64 roundHalfEven(double value);

// The integer division "a \ b": both operands are first rounded half to
// even, then the quotient is truncated toward zero. Division by a divisor
// that rounds to 0 has no result.
std::optional<qint64> integerDivide(double a, double b);

// A text converted to a 16-bit whole number: blanks around it allowed, an
// optional sign and fraction, the fraction rounded half to even ("22.5" ->
// 22). No result for text that is not a number or does not fit 16 bits.
std::optional<qint16> toInt16(QStringView text);
