#include "tools/qurandata/data_files.h"

#include "common/cp1256.h"
#include "tools/qurandata/verse_normaliser.h"

#include <algorithm>

namespace {

// The verse finder reads keys by these characters; a verse must not hold them.
bool isKeyCharacter(QChar c) {
    return c.unicode() >= u'.' && c.unicode() <= u'9';
}

int rangeIndexOf(const std::vector<VerseRange>& ranges, int running) {
    for (size_t i = 0; i < ranges.size(); ++i)
        if (running >= ranges[i].first && running <= ranges[i].last)
            return int(i) + 1;
    return 0;
}

QByteArray encodeChecked(const QString& text) {
    bool lossless = false;
    const QByteArray bytes = cp1256::encode(text, &lossless);
    Q_ASSERT(lossless);
    return bytes;
}

} // namespace

std::optional<std::vector<BuiltVerse>> assembleVerses(const QuranSource& source,
                                                      const std::vector<QString>& tafsir1,
                                                      const std::vector<QString>& tafsir2,
                                                      QString* error) {
    std::vector<BuiltVerse> verses;
    verses.reserve(source.verses.size());
    int surah = 1;
    int ayah = 0;
    for (size_t i = 0; i < source.verses.size(); ++i) {
        if (++ayah > source.surahVerseCounts[surah - 1]) {
            ++surah;
            ayah = 1;
        }
        const int running = int(i) + 1;
        BuiltVerse v;
        v.surah = surah;
        v.ayah = ayah;
        v.page = rangeIndexOf(source.pages, running);
        v.juz = rangeIndexOf(source.juz, running);
        v.text = normaliseArabicText(source.verses[i]);
        if (i < tafsir1.size())
            v.tafsir1 = tafsir1[i];
        if (i < tafsir2.size())
            v.tafsir2 = tafsir2[i];

        const qsizetype bad = cp1256::firstUnencodable(v.text);
        if (bad >= 0) {
            *error = QStringLiteral("verse %1:%2: character U+%3 has no code in code page 1256")
                         .arg(surah)
                         .arg(ayah)
                         .arg(QString::number(v.text[bad].unicode(), 16).toUpper());
            return std::nullopt;
        }
        if (std::any_of(v.text.cbegin(), v.text.cend(), isKeyCharacter)) {
            *error =
                QStringLiteral("verse %1:%2 holds a digit, \".\" or \"/\"").arg(surah).arg(ayah);
            return std::nullopt;
        }
        verses.push_back(std::move(v));
    }
    return verses;
}

QByteArray verseRecordFile(const std::vector<BuiltVerse>& verses) {
    QString text;
    text.reserve(int(verses.size()) * 400);
    int running = 0;
    for (const BuiltVerse& v : verses) {
        const QString lines[] = {QString::number(++running),
                                 QString::number(v.surah),
                                 QString::number(v.page),
                                 QString::number(v.ayah),
                                 v.text,
                                 QString::number(v.juz),
                                 v.tafsir1,
                                 v.tafsir2};
        for (const QString& line : lines) {
            text += line;
            text += QStringLiteral("\r\n");
        }
    }
    return encodeChecked(text);
}

QByteArray finderFile(const std::vector<BuiltVerse>& verses, bool vocalised) {
    QString text;
    text.reserve(int(verses.size()) * 120);
    for (const BuiltVerse& v : verses) {
        text += u' ';
        text += vocalised ? v.text : withoutHarakat(v.text);
        text += QStringLiteral(" %1/%2").arg(v.ayah).arg(v.surah);
    }
    text += u' ';
    return encodeChecked(text);
}
