#pragma once

#include "orvanta/browser/range_text.h"
#include "tests/orvanta/verse_files.h"

#include <QFile>
#include <QList>

// The browser tests' verses: those of the built verse file, to compare a
// window's text with the verses it was made from, made-up records, and a
// verse file with tafsir texts.

// The verses of the built file that pass the test, in file order.
template <typename Test> QList<VerseRecord> versesWhere(Test test) {
    QList<VerseRecord> verses;
    for (const VerseRecord& v : builtVerses())
        if (test(v))
            verses.append(v);
    return verses;
}

inline QList<VerseRecord> versesOfPage(int page) {
    return versesWhere([page](const VerseRecord& v) { return v.PageNo.toInt() == page; });
}

inline QList<VerseRecord> versesOfSurah(int surah) {
    return versesWhere([surah](const VerseRecord& v) { return v.SurahNo.toInt() == surah; });
}

// A made-up record of a verse; the page and the juz are 1 unless given.
inline VerseRecord record(const QString& surah, const QString& ayah, const QString& text,
                          const QString& page = QStringLiteral("1")) {
    VerseRecord r;
    r.VerseId = surah + u'/' + ayah;
    r.SurahNo = surah;
    r.PageNo = page;
    r.AyahNo = ayah;
    r.AyahText = text;
    r.JuzNo = QStringLiteral("1");
    return r;
}

// "\r\n¸¸¸…\r\n~§§  name(place)count  §§~\r\n°°°…\r\n"
inline QString header(const QString& name, const QString& place, int verses) {
    return QStringLiteral("\r\n") + QString(28, QChar(0xB8)) + QStringLiteral("\r\n~§§  ") + name +
           u'(' + place + u')' + QStringLiteral("عدد آياتها  ") + QString::number(verses) +
           QStringLiteral("  §§~\r\n") + QString(24, QChar(0xB0)) + QStringLiteral("\r\n");
}

// A range of the built verse file as the range builder collects it.
inline QString rangeText(int surah, double first, double last, const QString& verseCount) {
    RangeTextBuilder builder(surah, first, last, verseCount);
    for (const VerseRecord& v :
         versesWhere([&](const VerseRecord& v) { return builder.Matches(v); }))
        builder.Add(v);
    return builder.Text();
}

// The verses as the browser shows them one after another.
inline QString pieces(const QList<VerseRecord>& verses) {
    QString text;
    for (const VerseRecord& v : verses)
        text += v.AyahText + u'{' + v.AyahNo + QStringLiteral("} ");
    return text;
}

// The tafsir texts the fixture verse file gives a verse.
inline QString fixtureTafsir1(const VerseRecord& v) {
    return QStringLiteral("الجلالين ") + v.SurahNo + u':' + v.AyahNo;
}
inline QString fixtureTafsir2(const VerseRecord& v) {
    return QStringLiteral("الميسر ") + v.SurahNo + u':' + v.AyahNo;
}

// Writes a verse file into folder/qor: the built file's first surahs, up to
// and with lastSurah, each verse with the fixture's tafsir texts, except
// that 2:3 has no second tafsir.
inline void writeFixtureVerseFile(const QString& folder, int lastSurah) {
    QFile out(folder + QStringLiteral("/qor"));
    if (!out.open(QIODevice::WriteOnly))
        qFatal("cannot write the fixture verse file");
    for (VerseRecord v : builtVerses()) {
        if (v.SurahNo.toInt() > lastSurah)
            break;
        v.Tafsir1 = fixtureTafsir1(v);
        v.Tafsir2 = v.SurahNo == u"2" && v.AyahNo == u"3" ? QString() : fixtureTafsir2(v);
        out.write(recordBytes(v));
    }
}
