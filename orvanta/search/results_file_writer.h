#pragma once

#include "orvanta/store/verse_record.h"

#include <QByteArray>
#include <QSaveFile>

// Writes the hits of one search to the results file: each record's eight
// lines as they were read, code page 1256, CR LF after every line. The new
// file replaces the old one only when every byte of it has been written, so
// an older file is never left behind half overwritten, and a failed search
// can never be read back as if it were new.
class ResultsFileWriter {
public:
    // Starts the new file beside the old one, making its folder if needed.
    // False when the folder or the file cannot be written.
    bool Open(const QString& path);

    // False once anything failed to be written; later records are dropped.
    bool Append(const VerseRecord& record);

    // Puts the new file in place of the old one. False when anything failed;
    // the old file is then left as it was.
    bool Commit();

    // Drops the new file; the old one stays.
    void Cancel();

private:
    bool flush();

    QSaveFile file_;
    QByteArray pending_;
    bool ok_ = false;
};
