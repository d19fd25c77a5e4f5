#pragma once

#include "orvanta/store/verse_record.h"

#include <QFile>

// Reads a file of verse records front to back. Each scan has a reader of its
// own, with its own file handle, so scans never share a read position.
class VerseRecordReader {
public:
    VerseRecordReader() = default;
    ~VerseRecordReader() { Close(); }
    VerseRecordReader(const VerseRecordReader&) = delete;
    VerseRecordReader& operator=(const VerseRecordReader&) = delete;

    // Opens the file read-only; false when it cannot be opened.
    bool Open(const QString& path);

    // The next complete record; false at the end of the file. A final record
    // cut short is never delivered.
    bool Next(VerseRecord& record);

    // Reads on to the next record whose VerseId equals id, letter for
    // letter ("7" and "07" are different keys); false at the end of the file.
    bool NextWithId(const QString& id, VerseRecord& record);

    void Close();

private:
    bool readLine(QString& line);

    QFile file_;
    QByteArray buffer_;
};
