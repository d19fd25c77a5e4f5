#include "orvanta/search/results_file_writer.h"

#include "common/cp1256.h"
#include "orvanta/store/user_files.h"

namespace {

// Bytes gathered before each write: one system call for many records.
constexpr qsizetype kWriteChunk = 64 * 1024;

} // namespace

bool ResultsFileWriter::Open(const QString& path) {
    pending_.clear();
    file_.setFileName(path);
    // Unbuffered, so every failed or short write shows in its result at
    // once; buffered, a failure at the final flush can go unnoticed.
    ok_ = MakeFolderFor(path) && file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return ok_;
}

bool ResultsFileWriter::Append(const VerseRecord& record) {
    if (!ok_)
        return false;
    for (int i = 0; i < VerseRecord::kLineCount; ++i) {
        pending_ += cp1256::encode(record.line(i));
        pending_ += "\r\n";
    }
    if (pending_.size() >= kWriteChunk)
        return flush();
    return true;
}

bool ResultsFileWriter::flush() {
    if (ok_ && !pending_.isEmpty())
        ok_ = file_.write(pending_) == pending_.size();
    pending_.clear();
    return ok_;
}

bool ResultsFileWriter::Commit() {
    if (!file_.isOpen())
        return false;
    if (!flush()) {
        Cancel();
        return false;
    }
    ok_ = file_.commit();
    return ok_;
}

void ResultsFileWriter::Cancel() {
    pending_.clear();
    ok_ = false;
    if (file_.isOpen()) {
        file_.cancelWriting();
        file_.commit(); // with writing cancelled, this only drops the new file
    }
}
