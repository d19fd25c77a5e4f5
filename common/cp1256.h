#pragma once

#include <QByteArray>
#include <QString>

// The data files are single-byte text in the Arabic Windows code page 1256.
// Everything here goes through Qt's own codec (ICU), never a table of ours.
namespace cp1256 {

// The code of a character in code page 1256; 63 ("?") when it has none.
int code(QChar ch);

// Decodes single-byte text.
QString decode(QByteArrayView bytes);

// Encodes text; characters without a code become "?". When lossless is
// given it tells whether every character survived the round trip.
QByteArray encode(QStringView text, bool* lossless = nullptr);

// The first character of text that code page 1256 cannot carry, or -1.
qsizetype firstUnencodable(QStringView text);

} // namespace cp1256
