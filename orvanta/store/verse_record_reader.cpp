#include "orvanta/store/verse_record_reader.h"

#include "common/cp1256.h"

#include <algorithm>

bool VerseRecordReader::Open(const QString& path) {
    Close();
    file_.setFileName(path);
    return file_.open(QIODevice::ReadOnly);
}

bool VerseRecordReader::readLine(QString& line) {
    if (!file_.isOpen() || file_.atEnd())
        return false;
    // Into one buffer kept for the whole scan: a scan reads some 50000
    // lines, and a new array for each costs more than the reading.
    qsizetype length = 0;
    for (;;) {
        if (buffer_.size() - length < 2)
            buffer_.resize(std::max<qsizetype>(4096, buffer_.size() * 2));
        const qint64 got = file_.readLine(buffer_.data() + length, buffer_.size() - length);
        if (got <= 0)
            break;
        length += got;
        if (buffer_[length - 1] == '\n' || file_.atEnd())
            break;
    }
    QByteArrayView bytes(buffer_.constData(), length);
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    line = cp1256::decode(bytes);
    return true;
}

bool VerseRecordReader::Next(VerseRecord& record) {
    for (;;) {
        VerseRecord next;
        bool blank = true;
        for (int i = 0; i < VerseRecord::kLineCount; ++i) {
            if (!readLine(next.line(i)))
                return false;
            blank = blank && next.line(i).isEmpty();
        }
        // Blank lines after the last record are padding, not a verse.
        if (!blank) {
            record = std::move(next);
            return true;
        }
    }
}

bool VerseRecordReader::NextWithId(const QString& id, VerseRecord& record) {
    VerseRecord candidate;
    while (Next(candidate)) {
        if (candidate.VerseId == id) {
            record = std::move(candidate);
            return true;
        }
    }
    return false;
}

void VerseRecordReader::Close() {
    if (file_.isOpen())
        file_.close();
}
