#include "orvanta/browser/page_text.h"
#include "orvanta/browser/range_choice.h"
#include "orvanta/browser/range_text.h"
#include "orvanta/browser/verse_lookup.h"
#include "orvanta/store/surah_table.h"
#include "verses.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList numbers(int from, int to) {
    QStringList texts;
    for (int n = from; n <= to; ++n)
        texts.append(QString::number(n));
    return texts;
}

} // namespace

class TestRangeText : public QObject {
    Q_OBJECT
private slots:
    void rangeHeader();
    void wholeFatiha();
    void ranges_data();
    void ranges();
    void builderCollects();
    void builderMatchesByNumber();
    void offeredVerseCountOfEverySurah();
    void offeredVerseCount_data();
    void offeredVerseCount();
    void lastVerseEntries_data();
    void lastVerseEntries();
    void verseMarker();
    void findVerse();
};

void TestRangeText::rangeHeader() {
    SurahInfoTexts fatiha;
    fatiha.load(1);
    // No decorated lines and no label: the count follows the bracket.
    QCOMPARE(RangeHeader(fatiha, QStringLiteral("7")),
             QStringLiteral("\r\n~§§  الفاتحة(مكية)7  §§~\r\n"));
    SurahInfoTexts baqara;
    baqara.load(2);
    QCOMPARE(RangeHeader(baqara, QStringLiteral("286")),
             QStringLiteral("\r\n~§§  البقرة(مدنية)286  §§~\r\n"));
}

void TestRangeText::wholeFatiha() {
    const QString text = rangeText(1, 1, 7, QStringLiteral("7"));
    const QList<VerseRecord> verses = versesOfSurah(1);
    QCOMPARE(text, QStringLiteral("\r\n~§§  الفاتحة(مكية)7  §§~\r\n") + pieces(verses));
    QVERIFY(text.endsWith(QStringLiteral("{7} ")));
}

void TestRangeText::ranges_data() {
    QTest::addColumn<int>("surah");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("last");
    QTest::addColumn<int>("from"); // the verses expected, 0 for none
    QTest::addColumn<int>("to");
    QTest::newRow("not from verse 1: no header") << 2 << 5.0 << 9.0 << 5 << 9;
    QTest::newRow("last surah whole") << 114 << 1.0 << 6.0 << 1 << 6;
    QTest::newRow("to the end of al-Baqara") << 2 << 280.0 << 286.0 << 280 << 286;
    QTest::newRow("last verse beyond the surah") << 112 << 2.0 << 300.0 << 2 << 4;
    QTest::newRow("last verse as first: last is 0") << 1 << 7.0 << 0.0 << 0 << 0;
    QTest::newRow("first after last") << 3 << 9.0 << 4.0 << 0 << 0;
    QTest::newRow("no surah") << 0 << 1.0 << 7.0 << 0 << 0;
}

void TestRangeText::ranges() {
    QFETCH(int, surah);
    QFETCH(double, first);
    QFETCH(double, last);
    QFETCH(int, from);
    QFETCH(int, to);
    const SurahRow* row = surahRow(surah);
    const QString count = row ? QString::number(row->verseCount) : QString();
    SurahInfoTexts info;
    info.load(surah);
    QString expected;
    if (from == 1)
        expected = RangeHeader(info, count);
    if (from > 0)
        expected += pieces(versesOfSurah(surah).mid(from - 1, to - from + 1));
    QCOMPARE(rangeText(surah, first, last, count), expected);
}

void TestRangeText::builderCollects() {
    RangeTextBuilder builder(3, 1, 2, QStringLiteral("200"));
    QVERIFY(!builder.Add(record("2", "1", "قبل")));
    QVERIFY(builder.Add(record("3", "1", "أول")));
    QVERIFY(builder.Add(record("3", "2", "ثان")));
    QVERIFY(!builder.Add(record("3", "3", "بعد")));
    QCOMPARE(builder.Header(), QStringLiteral("\r\n~§§  آل عمران(مدنية)200  §§~\r\n"));
    QCOMPARE(builder.Verses(), QStringLiteral("أول{1} ثان{2} "));
    QCOMPARE(builder.Text(), builder.Header() + builder.Verses());
    QCOMPARE(builder.VerseNumbers(), QStringList({"1", "2"}));
    // The verse shown last leaves its surah's facts shared, as everywhere.
    QCOMPARE(SurahInfo().SurahName, QStringLiteral("آل عمران"));
}

void TestRangeText::builderMatchesByNumber() {
    // " 3" and "03" are surah 3; "01" is verse 1 but the header comes once,
    // in front of everything.
    RangeTextBuilder builder(3, 1, 5, QStringLiteral("200"));
    builder.Add(record(" 3", "2", "ب"));
    builder.Add(record("03", "01", "أ"));
    builder.Add(record("3", "5.5", "خارج"));
    builder.Add(record("3", "5", "ج"));
    QCOMPARE(builder.Text().count(QStringLiteral("~§§")), 1);
    QVERIFY(builder.Text().startsWith(QStringLiteral("\r\n~§§  آل عمران")));
    QCOMPARE(builder.Verses(), QStringLiteral("ب{2} أ{01} ج{5} "));
    QCOMPARE(builder.VerseNumbers(), QStringList({"2", "1", "5"}));
}

void TestRangeText::offeredVerseCountOfEverySurah() {
    for (int surah = 1; surah <= kSurahCount; ++surah) {
        SurahInfoTexts info;
        info.load(surah);
        QCOMPARE(OfferedVerseCount(info.VerseCountText), surahRow(surah)->verseCount);
    }
}

void TestRangeText::offeredVerseCount_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("label, line end, count") << QStringLiteral("عدد آياتها \r\n286") << 286;
    QTest::newRow("on the same line") << QStringLiteral("عدد آياتها 7") << 7;
    QTest::newRow("no count") << QStringLiteral("عدد آياتها \r\n") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("not a number") << QStringLiteral("عدد آياتها \r\nسبع") << 0;
}

void TestRangeText::offeredVerseCount() {
    QFETCH(QString, text);
    QTEST(OfferedVerseCount(text), "count");
}

void TestRangeText::lastVerseEntries_data() {
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("first verse 1 of 7") << 0 << 7 << numbers(2, 7);
    QTest::newRow("first verse 5 of 9") << 4 << 9 << numbers(6, 9);
    QTest::newRow("next to last") << 5 << 7 << QStringList{"7"};
    QTest::newRow("last verse as first") << 6 << 7 << QStringList();
    QTest::newRow("nothing chosen") << -1 << 3 << numbers(1, 3);
}

void TestRangeText::lastVerseEntries() {
    QFETCH(int, p);
    QFETCH(int, entryCount);
    QTEST(LastVerseEntries(p, entryCount), "entries");
    QCOMPARE(FirstVerseEntries(entryCount), numbers(1, entryCount));
}

void TestRangeText::verseMarker() {
    QCOMPARE(VerseMarker(QStringLiteral("7")), QStringLiteral("{7}"));
    // Verse 1's marker is not found inside 11 or 21.
    const QString text = QStringLiteral("أ{11} ب{21} ج{1} ");
    QCOMPARE(text.indexOf(VerseMarker(QStringLiteral("1"))), 13);
}

void TestRangeText::findVerse() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    writeFixtureVerseFile(folder.path(), 2);
    const QString path = folder.filePath(QStringLiteral("qor"));
    const std::optional<VerseRecord> verse = FindVerse(path, 2, 7);
    QVERIFY(verse);
    QCOMPARE(verse->Tafsir1, QStringLiteral("الجلالين 2:7"));
    QCOMPARE(verse->Tafsir2, QStringLiteral("الميسر 2:7"));
    QVERIFY(!FindVerse(path, 3, 1));
    QVERIFY(!FindVerse(path, 1, 0));
    QVERIFY(!FindVerse(folder.filePath(QStringLiteral("none")), 1, 1));

    // Two records of one verse: the later one counts.
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    VerseRecord again = *FindVerse(path, 1, 2);
    again.Tafsir1 = QStringLiteral("ثانية");
    file.write(recordBytes(again));
    file.close();
    QCOMPARE(FindVerse(path, 1, 2)->Tafsir1, QStringLiteral("ثانية"));
}

QTEST_GUILESS_MAIN(TestRangeText)
#include "test_range_text.moc"
