#include "common/numeric_value.h"
#include "orvanta/store/surah_info.h"
#include "orvanta/store/surah_table.h"

#include <QSet>
#include <QTest>

class TestSurahInfo : public QObject {
    Q_OBJECT
private slots:
    void emptyBeforeAnyCall();
    void fatiha();
    void invalidNumbersChangeNothing_data();
    void invalidNumbersChangeNothing();
    void verseCountReadFromTwelfthCharacter();
    void surahOfARecord_data();
    void surahOfARecord();
    void tableSums();
    void spelledNames_data();
    void spelledNames();
};

void TestSurahInfo::emptyBeforeAnyCall() {
    // Must run first: nothing has called LoadSurahInfo yet.
    const SurahInfoTexts& s = SurahInfo();
    QVERIFY(s.SurahName.isEmpty());
    QVERIFY(s.VerseCountText.isEmpty());
    QVERIFY(s.RevelationOrderText.isEmpty());
    QVERIFY(s.WordCountText.isEmpty());
    QVERIFY(s.LetterCountText.isEmpty());
    QVERIFY(s.RevelationPlace.isEmpty());
    LoadSurahInfo(0);
    QVERIFY(SurahInfo().SurahName.isEmpty());
}

void TestSurahInfo::fatiha() {
    LoadSurahInfo(1);
    const SurahInfoTexts& s = SurahInfo();
    QCOMPARE(s.SurahName, QStringLiteral("الفاتحة"));
    QCOMPARE(s.VerseCountText, QStringLiteral("عدد آياتها \r\n7"));
    QCOMPARE(s.VerseCountText.size(), 14);
    QCOMPARE(s.VerseCountText.indexOf(QStringLiteral("\r\n")), 11);
    QCOMPARE(s.RevelationOrderText, QStringLiteral("ترتيب التنزيل  \r\n5"));
    QCOMPARE(s.WordCountText, QStringLiteral("عدد كلماتها  \r\n29"));
    QCOMPARE(s.LetterCountText, QStringLiteral("عدد حروفها  \r\n139"));
    QCOMPARE(s.RevelationPlace, QStringLiteral("مكية"));
}

void TestSurahInfo::invalidNumbersChangeNothing_data() {
    QTest::addColumn<int>("number");
    QTest::newRow("0") << 0;
    QTest::newRow("115") << 115;
    QTest::newRow("-1") << -1;
    QTest::newRow("32767") << 32767;
}

void TestSurahInfo::invalidNumbersChangeNothing() {
    QFETCH(int, number);
    LoadSurahInfo(2);
    LoadSurahInfo(qint16(number));
    const SurahInfoTexts& s = SurahInfo();
    QCOMPARE(s.SurahName, QStringLiteral("البقرة"));
    QCOMPARE(s.VerseCountText, QStringLiteral("عدد آياتها \r\n286"));
    QCOMPARE(s.RevelationOrderText, QStringLiteral("ترتيب التنزيل  \r\n87"));
    QCOMPARE(s.WordCountText, QStringLiteral("عدد كلماتها  \r\n6144"));
    QCOMPARE(s.LetterCountText, QStringLiteral("عدد حروفها  \r\n25613"));
    QCOMPARE(s.RevelationPlace, QStringLiteral("مدنية"));
}

void TestSurahInfo::surahOfARecord_data() {
    QTest::addColumn<QString>("surahNo");
    QTest::addColumn<QString>("name"); // البقرة when nothing changes
    const QString imran = QStringLiteral("آل عمران");
    const QString unchanged = QStringLiteral("البقرة");
    QTest::newRow("plain") << QStringLiteral("3") << imran;
    QTest::newRow("blanks and a leading zero") << QStringLiteral(" 03 ") << imran;
    QTest::newRow("fraction rounded half to even")
        << QStringLiteral("22.5") << QStringLiteral("الحج");
    QTest::newRow("empty") << QString() << unchanged;
    QTest::newRow("no number") << QStringLiteral("x") << unchanged;
    QTest::newRow("no surah") << QStringLiteral("115") << unchanged;
    QTest::newRow("beyond 16 bits") << QStringLiteral("70001") << unchanged;
}

void TestSurahInfo::surahOfARecord() {
    QFETCH(QString, surahNo);
    QFETCH(QString, name);
    LoadSurahInfo(2);
    VerseRecord record;
    record.SurahNo = surahNo;
    LoadSurahInfo(record);
    QCOMPARE(SurahInfo().SurahName, name);
}

void TestSurahInfo::verseCountReadFromTwelfthCharacter() {
    for (int no = 1; no <= kSurahCount; ++no) {
        SurahInfoTexts s;
        s.load(no);
        // From the 12th character on: CR LF, then the digits, whose numeric
        // value is the verse count.
        const QString tail = s.VerseCountText.mid(11);
        QVERIFY(tail.startsWith(QStringLiteral("\r\n")));
        QCOMPARE(int(numericValue(tail)), surahRow(no)->verseCount);
    }
}

void TestSurahInfo::tableSums() {
    int verses = 0, words = 0, letters = 0, medinan = 0;
    QSet<int> orders;
    for (int no = 1; no <= kSurahCount; ++no) {
        const SurahRow* r = surahRow(no);
        QVERIFY(r);
        verses += r->verseCount;
        words += r->wordCount;
        letters += r->letterCount;
        medinan += r->medinan;
        QVERIFY(r->revelationOrder >= 1 && r->revelationOrder <= 114);
        orders.insert(r->revelationOrder);
    }
    QCOMPARE(verses, 6236);
    QCOMPARE(words, 77791);
    QCOMPARE(letters, 322604);
    QCOMPARE(orders.size(), 114);
    QCOMPARE(medinan, 28);
    QCOMPARE(surahRow(96)->revelationOrder, 1);
    QCOMPARE(surahRow(110)->revelationOrder, 114);
    QVERIFY(!surahRow(0));
    QVERIFY(!surahRow(115));
}

void TestSurahInfo::spelledNames_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::newRow("3") << 3 << "آل عمران";
    QTest::newRow("20") << 20 << "طه";
    QTest::newRow("36") << 36 << "يس";
    QTest::newRow("82") << 82 << "الانفطار";
    QTest::newRow("84") << 84 << "الانشقاق";
    QTest::newRow("114") << 114 << "الناس";
}

void TestSurahInfo::spelledNames() {
    QFETCH(int, number);
    QFETCH(QString, name);
    SurahInfoTexts s;
    s.load(number);
    QCOMPARE(s.SurahName, name);
}

QTEST_GUILESS_MAIN(TestSurahInfo)
#include "test_surah_info.moc"
