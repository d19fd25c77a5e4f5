#pragma once

#include "orvanta/search/search_request.h"
#include "orvanta/store/surah_table.h"
#include "tests/orvanta/verse_files.h"
#include "tests/support/file_bytes.h"

#include <QList>
#include <QMetaType>
#include <QRegularExpression>
#include <csignal>
#include <sys/resource.h>

// Helpers the search tests share: the hits a search must find worked out
// straight from the built verse file, and a limit on the size of files
// the test may write (a results location that cannot take the hits, also
// for a test running as root).

Q_DECLARE_METATYPE(SearchScope)

// A verse of the built file by its surah and verse number.
inline const VerseRecord& verse(int surah, int ayah) {
    for (const VerseRecord& v : builtVerses())
        if (v.SurahNo.toInt() == surah && v.AyahNo.toInt() == ayah)
            return v;
    qFatal("no verse %d:%d", surah, ayah);
}

// The name of the verse's surah, as the surah table spells it.
inline QString surahName(const VerseRecord& v) {
    return QString::fromUtf16(surahRow(v.SurahNo.toInt())->name);
}

// A hit's entry in the results list: its surah's name, " :آية ", its number.
inline QString entryText(const VerseRecord& v) {
    return surahName(v) + QStringLiteral(" :آية ") + v.AyahNo;
}

// The verses a search must list, in file order.
inline QList<VerseRecord> expectedHits(const SearchRequest& request) {
    static const QRegularExpression harakat(QStringLiteral("[\\x{064B}-\\x{0652}]"));
    QList<VerseRecord> hits;
    for (const VerseRecord& v : builtVerses()) {
        const int juz = v.JuzNo.toInt();
        bool inScope = juz >= 1;
        if (request.Scope == SearchScope::OneJuz)
            inScope = juz == request.Combo1.toInt();
        else if (request.Scope == SearchScope::JuzRange)
            inScope = request.Combo2.toInt() <= juz && juz <= request.Combo3.toInt();
        QString text = v.AyahText;
        if (request.Check1 != 1)
            text.remove(harakat);
        if (inScope && text.contains(request.Text1))
            hits.append(v);
    }
    return hits;
}

// While it lives, files of this process cannot grow beyond so many bytes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};
