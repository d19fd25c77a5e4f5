#pragma once

#include "orvanta/store/verse_record_reader.h"

#include <QList>

// The verses of the built verse file, for tests that compare a window's text
// with the verses it was made from.
inline QString builtVerseFile() {
    return QStringLiteral(PROGRAM_DIR "/qor");
}

inline QList<VerseRecord> versesOfPage(int page) {
    QList<VerseRecord> verses;
    VerseRecordReader reader;
    if (!reader.Open(builtVerseFile()))
        qFatal("the built verse file is missing");
    VerseRecord record;
    while (reader.Next(record)) {
        if (record.PageNo.toInt() == page)
            verses.append(record);
    }
    return verses;
}

// "\r\n¸¸¸…\r\n~§§  name(place)count  §§~\r\n°°°…\r\n"
inline QString header(const QString& name, const QString& place, int verses) {
    return QStringLiteral("\r\n") + QString(28, QChar(0xB8)) + QStringLiteral("\r\n~§§  ") + name +
           u'(' + place + u')' + QStringLiteral("عدد آياتها  ") + QString::number(verses) +
           QStringLiteral("  §§~\r\n") + QString(24, QChar(0xB0)) + QStringLiteral("\r\n");
}
