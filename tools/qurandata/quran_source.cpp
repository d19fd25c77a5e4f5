#include "tools/qurandata/quran_source.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

std::optional<QByteArray> readAll(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

int romanValue(QStringView roman) {
    auto digit = [](QChar c) {
        switch (c.unicode()) {
        case u'i':
            return 1;
        case u'v':
            return 5;
        case u'x':
            return 10;
        case u'l':
            return 50;
        case u'c':
            return 100;
        case u'd':
            return 500;
        case u'm':
            return 1000;
        default:
            return 0;
        }
    };
    int total = 0;
    for (qsizetype i = 0; i < roman.size(); ++i) {
        const int v = digit(roman[i]);
        const int next = i + 1 < roman.size() ? digit(roman[i + 1]) : 0;
        total += v < next ? -v : v;
    }
    return total;
}

// Arabic-Indic digits, as the verse numbers stand in the text file.
int arabicIndicValue(QStringView digits) {
    int value = 0;
    for (const QChar c : digits)
        value = value * 10 + (c.unicode() - 0x0660);
    return value;
}

// The items of "\def\qt@<name>#1{\ifcase#1\or A\or B ... \else\relax\fi}".
std::optional<QStringList> ifcaseItems(const QString& sty, const QString& name, QString* error) {
    const QString head = QStringLiteral("\\def\\qt@%1#1{").arg(name);
    const qsizetype start = sty.indexOf(head);
    const qsizetype end = start < 0 ? -1 : sty.indexOf(QStringLiteral("\\fi"), start);
    if (end < 0) {
        *error =
            QStringLiteral("%1: no table \\qt@%2").arg(QLatin1String(kDivisionsFileName), name);
        return std::nullopt;
    }
    QString body = sty.mid(start + head.size(), end - start - head.size());
    body.remove(QRegularExpression(QStringLiteral("%[^\n]*")));
    body.remove(QRegularExpression(QStringLiteral("\\s")));
    body.remove(QStringLiteral("\\else\\relax"));
    if (!body.startsWith(QStringLiteral("\\ifcase#1"))) {
        *error = QStringLiteral("%1: unexpected form of \\qt@%2")
                     .arg(QLatin1String(kDivisionsFileName), name);
        return std::nullopt;
    }
    QStringList items = body.split(QStringLiteral("\\or"));
    items.removeFirst(); // the case 0 before the first \or
    return items;
}

// Ranges that follow each other without gap or overlap from verse 1 to the
// last verse.
std::optional<std::vector<VerseRange>> contiguousRanges(const QStringList& items, int expected,
                                                        const QString& what, QString* error) {
    std::vector<VerseRange> ranges;
    int next = 1;
    for (const QString& item : items) {
        const QStringList bounds = item.split(u'-');
        bool okFirst = false, okLast = false;
        VerseRange r;
        if (bounds.size() == 2) {
            r.first = bounds[0].toInt(&okFirst);
            r.last = bounds[1].toInt(&okLast);
        }
        if (!okFirst || !okLast || r.first != next || r.last < r.first) {
            *error = QStringLiteral("%1: %2 %3 is not the range that follows verse %4")
                         .arg(QLatin1String(kDivisionsFileName), what)
                         .arg(ranges.size() + 1)
                         .arg(next - 1);
            return std::nullopt;
        }
        ranges.push_back(r);
        next = r.last + 1;
    }
    if (int(ranges.size()) != expected || next != QuranSource::kVerseCount + 1) {
        *error = QStringLiteral("%1: %2 ranges do not cover the %3 verses")
                     .arg(QLatin1String(kDivisionsFileName), what)
                     .arg(QuranSource::kVerseCount);
        return std::nullopt;
    }
    return ranges;
}

bool readDivisions(const QString& path, QuranSource& source, QString* error) {
    const auto bytes = readAll(path, error);
    if (!bytes)
        return false;
    const QString sty = QString::fromUtf8(*bytes);

    const auto counts = ifcaseItems(sty, QStringLiteral("getversenum"), error);
    if (!counts)
        return false;
    int total = 0;
    for (const QString& item : *counts) {
        bool ok = false;
        const int n = item.toInt(&ok);
        if (!ok || n < 1) {
            *error = QStringLiteral("%1: bad verse count \"%2\"")
                         .arg(QLatin1String(kDivisionsFileName), item);
            return false;
        }
        source.surahVerseCounts.push_back(n);
        total += n;
    }
    if (source.surahVerseCounts.size() != QuranSource::kSurahCount ||
        total != QuranSource::kVerseCount) {
        *error = QStringLiteral("%1: the verse counts are not 114 surahs of 6236 verses")
                     .arg(QLatin1String(kDivisionsFileName));
        return false;
    }

    const auto pages = ifcaseItems(sty, QStringLiteral("getpagedomain"), error);
    if (!pages)
        return false;
    const auto pageRanges =
        contiguousRanges(*pages, QuranSource::kPageCount, QStringLiteral("page"), error);
    if (!pageRanges)
        return false;
    source.pages = *pageRanges;

    const auto juz = ifcaseItems(sty, QStringLiteral("getjuzdomain"), error);
    if (!juz)
        return false;
    const auto juzRanges =
        contiguousRanges(*juz, QuranSource::kJuzCount, QStringLiteral("juz"), error);
    if (!juzRanges)
        return false;
    source.juz = *juzRanges;
    return true;
}

bool readVerses(const QString& path, QuranSource& source, QString* error) {
    const auto bytes = readAll(path, error);
    if (!bytes)
        return false;
    const QByteArray hash = QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256).toHex();
    if (hash != kVerseTextSha256) {
        *error = QStringLiteral("%1: SHA-256 %2, expected %3")
                     .arg(path, QString::fromLatin1(hash), QLatin1String(kVerseTextSha256));
        return false;
    }

    static const QRegularExpression verseLine(
        QStringLiteral("^\\\\qt@newcmd\\\\qurantext@([ivxlcdm]+)\\{(\\\\basmalah "
                       ")?(.*)\\\\qt@no\\{﴿([٠-٩]+)﴾\\}\\}$"));
    const QStringList lines = QString::fromUtf8(*bytes).split(u'\n');
    int surah = 1;
    int ayah = 0;
    int lineNo = 0;
    for (QString line : lines) {
        ++lineNo;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'%'))
            continue;
        const QRegularExpressionMatch m = verseLine.match(line);
        const int running = int(source.verses.size()) + 1;
        if (++ayah > source.surahVerseCounts[surah - 1]) {
            ++surah;
            ayah = 1;
        }
        if (!m.hasMatch() || surah > QuranSource::kSurahCount ||
            romanValue(m.captured(1)) != running || arabicIndicValue(m.captured(4)) != ayah) {
            *error = QStringLiteral("%1:%2: not verse %3:%4 as expected")
                         .arg(QLatin1String(kVerseTextFileName))
                         .arg(lineNo)
                         .arg(surah)
                         .arg(ayah);
            return false;
        }
        source.verses.push_back(m.captured(3));
    }
    if (source.verses.size() != QuranSource::kVerseCount) {
        *error = QStringLiteral("%1: %2 verses instead of %3")
                     .arg(QLatin1String(kVerseTextFileName))
                     .arg(source.verses.size())
                     .arg(QuranSource::kVerseCount);
        return false;
    }
    return true;
}

} // namespace

std::optional<QuranSource> readQuranSource(const QString& folder, QString* error) {
    QuranSource source;
    const QDir dir(folder);
    // The divisions first: the verse counts tell which verse each line is.
    if (!readDivisions(dir.filePath(QLatin1String(kDivisionsFileName)), source, error) ||
        !readVerses(dir.filePath(QLatin1String(kVerseTextFileName)), source, error))
        return std::nullopt;
    return source;
}
