#pragma once

#include "common/cp1256.h"
#include "orvanta/store/user_files.h"

#include <QFile>
#include <QStringList>

// Writes the font file as the font dialog does: code page 1256, CR LF after
// every line (after the last only when asked). No lines and an ended last
// line: no file at all.
inline void writeFontFile(const QStringList& lines, bool lastLineEnded = true) {
    const QString path = FontFilePath();
    QFile::remove(path);
    if (lines.isEmpty() && lastLineEnded)
        return;
    MakeFolderFor(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the font file");
    QByteArray bytes = cp1256::encode(lines.join(QStringLiteral("\r\n")));
    if (lastLineEnded && !lines.isEmpty())
        bytes += "\r\n";
    file.write(bytes);
}
