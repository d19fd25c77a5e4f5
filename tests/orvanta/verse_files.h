#pragma once

#include "common/cp1256.h"
#include "orvanta/store/verse_record_reader.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Verse files for the Orvanta tests: the one the build made, every record
// of a file, and records written out as the file holds them.

inline QString builtVerseFile() {
    return QStringLiteral(PROGRAM_DIR "/qor");
}

// Every record of a verse or results file, in file order; none when the file
// cannot be read.
inline QList<VerseRecord> readRecords(const QString& path) {
    QList<VerseRecord> records;
    VerseRecordReader reader;
    if (!reader.Open(path))
        return records;
    VerseRecord r;
    while (reader.Next(r))
        records.append(r);
    return records;
}

// The records of the built verse file, read once.
inline const QList<VerseRecord>& builtVerses() {
    static const QList<VerseRecord> verses = [] {
        QList<VerseRecord> v = readRecords(builtVerseFile());
        if (v.size() != 6236)
            qFatal("the built verse file is missing or incomplete");
        return v;
    }();
    return verses;
}

// Records as a verse file holds them: their eight lines each, in code page
// 1256, every line ended by CR LF.
inline QByteArray recordBytes(const QList<VerseRecord>& records) {
    QByteArray bytes;
    for (const VerseRecord& r : records)
        for (int i = 0; i < VerseRecord::kLineCount; ++i)
            bytes += cp1256::encode(r.line(i)) + "\r\n";
    return bytes;
}

inline QByteArray recordBytes(const VerseRecord& record) {
    return recordBytes(QList<VerseRecord>{record});
}
