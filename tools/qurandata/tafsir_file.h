#pragma once

#include <QString>
#include <optional>
#include <vector>

// Why a tafsir file was refused: the file, the line (0 when the fault is the
// file as a whole) and the reason.
struct TafsirFileError {
    QString file;
    int line = 0;
    QString reason;

    QString message() const;
};

struct TafsirFile {
    std::vector<QString> texts; // one per verse in Mushaf order, normalised
    std::optional<TafsirFileError> error;
};

// Reads a tafsir in "sura|aya|text" lines (UTF-8, an optional BOM, LF or
// CR LF; blank lines and lines starting with "#" are skipped; the text may
// itself contain "|"). Every verse must be given exactly once and every text
// must fit code page 1256 once normalised; the first fault refuses the file.
TafsirFile readTafsirFile(const QString& path, const std::vector<int>& surahVerseCounts);
