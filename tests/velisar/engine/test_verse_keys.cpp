#include "velisar/engine/key_positions.h"
#include "velisar/engine/quran_texts.h"
#include "velisar/engine/verse_key.h"

#include <QTest>

class TestVerseKeys : public QObject {
    Q_OBJECT
private slots:
    void windowValues_data();
    void windowValues();
    void verseNumbers_data();
    void verseNumbers();
    void surahNumbers_data();
    void surahNumbers();
    void firstKeyIndexAsAScanWouldFindIt_data();
    void firstKeyIndexAsAScanWouldFindIt();
    void firstKeyIndexOnTheRealText();
    void anotherTextIsIndexedAfresh();
};

void TestVerseKeys::windowValues_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("value");
    QTest::newRow("three digits") << u"255"_qs << 255;
    QTest::newRow("leading zeros") << u"007"_qs << 7;
    QTest::newRow("space first") << u" 12"_qs << 12;
    QTest::newRow("letter first") << u"ن 7"_qs << 0;
    QTest::newRow("digits parted by a space") << u"1 2"_qs << 12;
    QTest::newRow("tab and line feed skipped") << u"\t\n4"_qs << 4;
    QTest::newRow("carriage return is not skipped") << u"\r\n4"_qs << 0;
    QTest::newRow("digits then a letter") << u"3 ب"_qs << 3;
    QTest::newRow("no digit") << u"اب"_qs << 0;
    QTest::newRow("zero") << u"0"_qs << 0;
    QTest::newRow("empty") << QString() << 0;
}

void TestVerseKeys::windowValues() {
    QFETCH(QString, window);
    QFETCH(int, value);
    QCOMPARE(windowValue(window), value);
}

void TestVerseKeys::verseNumbers_data() {
    QTest::addColumn<QString>("text"); // the slash is the first "/"
    QTest::addColumn<int>("verse");
    QTest::newRow("one digit after a letter and space") << u"ن 7/1"_qs << 7;
    QTest::newRow("one digit right after a letter") << u"ن7/1"_qs << 7;
    QTest::newRow("two digits") << u"ب 12/3"_qs << 12;
    QTest::newRow("three digits") << u"ب 255/2"_qs << 255;
    QTest::newRow("line break before the key") << u"ب\r\n9/2"_qs << 9;
    QTest::newRow("no digit before the slash") << u"ب /2"_qs << 0;
    QTest::newRow("slash at the start") << u"/2"_qs << 0;
    QTest::newRow("one character before the slash") << u"5/2"_qs << 5;
    QTest::newRow("two characters before the slash") << u"15/2"_qs << 15;
}

void TestVerseKeys::verseNumbers() {
    QFETCH(QString, text);
    QFETCH(int, verse);
    QCOMPARE(verseNumberBefore(text, text.indexOf(u'/')), verse);
}

void TestVerseKeys::surahNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("surah");
    QTest::newRow("one digit then a space") << u"7/1 ا"_qs << 1;
    QTest::newRow("three digits") << u"6/114 "_qs << 114;
    QTest::newRow("at the end of the text") << u"6/11"_qs << 11;
    QTest::newRow("line break after the key") << u"9/2\r\nب"_qs << 2;
    QTest::newRow("nothing after the slash") << u"9/"_qs << 0;
}

void TestVerseKeys::surahNumbers() {
    QFETCH(QString, text);
    QFETCH(int, surah);
    QCOMPARE(surahNumberAfter(text, text.indexOf(u'/')), surah);
}

void TestVerseKeys::firstKeyIndexAsAScanWouldFindIt_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("keys in order") << u" أ 1/1 ب 2/1 ج 1/2 د 2/2 "_qs;
    QTest::newRow("key inside longer keys") << u" أ 15/21 ب 5/2 ج 5/21 "_qs;
    QTest::newRow("leading zeros") << u" 012/034 1/2 12/34 "_qs;
    QTest::newRow("slashes side by side") << u"1/2/3 4//5 /6 7/"_qs;
    QTest::newRow("long digit runs") << u"123456/7890123 56/789"_qs;
    QTest::newRow("line breaks") << u"\r\n3/4\r\n13/4\r\n"_qs;
    QTest::newRow("no keys") << u"بلا مفاتيح"_qs;
    QTest::newRow("empty") << QString();
}

void TestVerseKeys::firstKeyIndexAsAScanWouldFindIt() {
    QFETCH(QString, text);
    KeyPositions keys;
    keys.update(text);
    for (int verse = 0; verse <= 1300; verse += verse < 130 ? 1 : 97) {
        for (int surah = 0; surah <= 1300; surah += surah < 130 ? 1 : 97) {
            const QString key = verseKey(verse, surah);
            QVERIFY2(keys.firstIndexOf(verse, surah) == text.indexOf(key), qPrintable(key));
        }
    }
}

void TestVerseKeys::firstKeyIndexOnTheRealText() {
    QuranTexts texts;
    QCOMPARE(texts.Open_Moshaf_Data_File(QStringLiteral(PROGRAM_DIR), {}), LoadOutcome::Loaded);
    KeyPositions keys;
    keys.update(texts.Vocalized_Text);
    // Verses that every surah has, that few have, and that none has; tails
    // and heads of other keys among them ("1/1" lies in "11/11").
    const QList<int> verses = {1,  2,  3,  5,   6,   7,   9,   10,  11,  12,  15, 20,
                               21, 50, 99, 100, 101, 111, 200, 227, 286, 287, 999};
    int found = 0;
    for (int surah = 0; surah <= 115; ++surah) {
        for (const int verse : verses) {
            const QString key = verseKey(verse, surah);
            const qsizetype index = texts.Vocalized_Text.indexOf(key);
            QVERIFY2(keys.firstIndexOf(verse, surah) == index, qPrintable(key));
            found += index >= 0;
        }
    }
    QVERIFY(found > 1000);
}

void TestVerseKeys::anotherTextIsIndexedAfresh() {
    KeyPositions keys;
    QString text = u" أ 1/1 "_qs;
    keys.update(text);
    QCOMPARE(keys.firstIndexOf(1, 1), 3);
    text = u" ب 2/1 "_qs; // same length, new characters
    keys.update(text);
    QCOMPARE(keys.firstIndexOf(1, 1), -1);
    QCOMPARE(keys.firstIndexOf(2, 1), 3);
}

QTEST_GUILESS_MAIN(TestVerseKeys)
#include "test_verse_keys.moc"
