#include "tools/qurandata/tafsir_file.h"

#include "common/cp1256.h"
#include "tools/qurandata/verse_normaliser.h"

#include <QFile>
#include <QStringDecoder>

QString TafsirFileError::message() const {
    if (line > 0)
        return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(reason);
    return QStringLiteral("%1: %2").arg(file, reason);
}

namespace {

bool isDecimal(QStringView s) {
    if (s.isEmpty() || s.size() > 4)
        return false;
    for (const QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// Characters tafsir texts commonly carry that code page 1256 writes another
// way: Arabic-Indic digits are its ASCII digits (shown as Arabic digits by an
// Arabic reader), and the ornate Quranic brackets its plain parentheses,
// opening "﴿" as "(" and closing "﴾" as ")", mirrored in right-to-left text
// as the ornate ones look.
QString withCodePageEquivalents(QString text) {
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x0660 && u <= 0x0669)
            c = QChar(char16_t(u'0' + (u - 0x0660)));
        else if (u >= 0x06F0 && u <= 0x06F9)
            c = QChar(char16_t(u'0' + (u - 0x06F0)));
        else if (u == 0xFD3F)
            c = QChar(u'(');
        else if (u == 0xFD3E)
            c = QChar(u')');
    }
    return text;
}

QString codePoint(QChar c) {
    return QStringLiteral("U+%1").arg(QString::number(c.unicode(), 16).toUpper(), 4, u'0');
}

} // namespace

TafsirFile readTafsirFile(const QString& path, const std::vector<int>& surahVerseCounts) {
    TafsirFile result;
    auto refuse = [&](int line, const QString& reason) {
        result.texts.clear();
        result.error = TafsirFileError{path, line, reason};
        return result;
    };

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(0, file.errorString());
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);

    // Running index of the first verse of every surah.
    std::vector<int> firstIndex;
    int total = 0;
    for (const int count : surahVerseCounts) {
        firstIndex.push_back(total);
        total += count;
    }
    std::vector<int> seenOnLine(total, 0);
    result.texts.assign(total, QString());

    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNo = int(i) + 1;
        QByteArray raw = lines[i];
        if (raw.endsWith('\r'))
            raw.chop(1);
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString line = utf8.decode(raw);
        if (utf8.hasError())
            return refuse(lineNo, QStringLiteral("not UTF-8 text"));
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;

        const qsizetype bar1 = line.indexOf(u'|');
        const qsizetype bar2 = bar1 < 0 ? -1 : line.indexOf(u'|', bar1 + 1);
        if (bar2 < 0)
            return refuse(lineNo, QStringLiteral("expected sura|aya|text"));
        const QStringView suraText = QStringView(line).first(bar1).trimmed();
        const QStringView ayaText = QStringView(line).mid(bar1 + 1, bar2 - bar1 - 1).trimmed();
        if (!isDecimal(suraText) || !isDecimal(ayaText))
            return refuse(lineNo, QStringLiteral("the sura and aya must be whole numbers"));
        const int sura = suraText.toInt();
        const int aya = ayaText.toInt();
        if (sura < 1 || sura > int(surahVerseCounts.size()) || aya < 1 ||
            aya > surahVerseCounts[sura - 1])
            return refuse(lineNo, QStringLiteral("there is no verse %1:%2").arg(sura).arg(aya));
        const int index = firstIndex[sura - 1] + aya - 1;
        if (seenOnLine[index])
            return refuse(lineNo, QStringLiteral("verse %1:%2 is given again (first on line %3)")
                                      .arg(sura)
                                      .arg(aya)
                                      .arg(seenOnLine[index]));
        seenOnLine[index] = lineNo;

        const QString text =
            withCodePageEquivalents(normaliseArabicText(QStringView(line).mid(bar2 + 1)));
        for (qsizetype c = 0; c < text.size(); ++c)
            if (text[c].unicode() < 0x20 || text[c].unicode() == 0x7F)
                return refuse(
                    lineNo,
                    QStringLiteral("control character %1 in the text").arg(codePoint(text[c])));
        const qsizetype bad = cp1256::firstUnencodable(text);
        if (bad >= 0)
            return refuse(lineNo, QStringLiteral("character %1 cannot be written in code page 1256")
                                      .arg(codePoint(text[bad])));
        result.texts[index] = text;
    }

    int missing = 0;
    int firstMissing = -1;
    for (int i = 0; i < total; ++i)
        if (!seenOnLine[i] && missing++ == 0)
            firstMissing = i;
    if (missing > 0) {
        int sura = 1;
        while (sura < int(firstIndex.size()) && firstIndex[sura] <= firstMissing)
            ++sura;
        const int aya = firstMissing - firstIndex[sura - 1] + 1;
        QString reason = QStringLiteral("verse %1:%2 is missing").arg(sura).arg(aya);
        if (missing > 1)
            reason += QStringLiteral(" (%1 verses in all)").arg(missing);
        return refuse(0, reason);
    }
    return result;
}
