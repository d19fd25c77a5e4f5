#include "common/cp1256.h"
#include "orvanta/store/verse_record_reader.h"
#include "tests/orvanta/verse_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A record's bytes written line by line here, not from a VerseRecord, so
// that the order in which the reader fills the fields is checked on its own.
QByteArray recordLines(const QString& id, int surah, int ayah,
                       const QString& text = QStringLiteral("بِسمِ اللَّهِ")) {
    const QString lines[] = {
        id,   QString::number(surah), QStringLiteral("1"),         QString::number(ayah),
        text, QStringLiteral("1"),    QStringLiteral("تفسير أول"), QStringLiteral("تفسير ثان"),
    };
    QByteArray out;
    for (const QString& l : lines)
        out += cp1256::encode(l) + "\r\n";
    return out;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write fixture %s", qPrintable(path));
    return path;
}

} // namespace

class TestVerseRecordReader : public QObject {
    Q_OBJECT
private slots:
    void recordCounts_data();
    void recordCounts();
    void fieldsAreDecodedInLineOrder();
    void longLinesAreReadWhole_data();
    void longLinesAreReadWhole();
    void missingFileDeliversNothing();
    void readOnlyFileIsRead();
    void verseIdsAreWholeTexts();
    void twoReadersScanIndependently();
    void realFileHas6236Records();
};

void TestVerseRecordReader::recordCounts_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("records");
    const QByteArray two = recordLines("1", 1, 1) + recordLines("2", 1, 2);
    QTest::newRow("final CR LF gives no extra record") << two << 2;
    QTest::newRow("last line without CR LF") << two.chopped(2) << 2;
    QTest::newRow("one blank line after the last record") << two + "\r\n" << 2;
    QTest::newRow("three blank lines after the last record") << two + "\r\n\r\n\r\n" << 2;
    QTest::newRow("eight blank lines after the last record")
        << two + QByteArray("\r\n").repeated(8) << 2;
    QTest::newRow("nineteen blank lines after the last record")
        << two + QByteArray("\r\n").repeated(19) << 2;
    QTest::newRow("truncated last record") << two + recordLines("3", 1, 3).left(40) << 2;
    QList<QByteArray> sevenLines = recordLines("3", 1, 3).split('\n').mid(0, 7);
    QTest::newRow("last record one line short") << two + sevenLines.join('\n') + '\n' << 2;
    QTest::newRow("empty file") << QByteArray() << 0;
    QTest::newRow("LF line ends") << QByteArray(two).replace("\r\n", "\n") << 2;
}

void TestVerseRecordReader::recordCounts() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, records);
    QTemporaryDir dir;
    QCOMPARE(readRecords(writeFile(dir, QStringLiteral("qor"), bytes)).size(), records);
}

void TestVerseRecordReader::fieldsAreDecodedInLineOrder() {
    QTemporaryDir dir;
    const auto records =
        readRecords(writeFile(dir, QStringLiteral("qor"), recordLines("17", 2, 5)));
    QCOMPARE(records.size(), 1);
    const VerseRecord& r = records.first();
    QCOMPARE(r.VerseId, QStringLiteral("17"));
    QCOMPARE(r.SurahNo, QStringLiteral("2"));
    QCOMPARE(r.PageNo, QStringLiteral("1"));
    QCOMPARE(r.AyahNo, QStringLiteral("5"));
    QCOMPARE(r.AyahText, QStringLiteral("بِسمِ اللَّهِ"));
    QCOMPARE(r.JuzNo, QStringLiteral("1"));
    QCOMPARE(r.Tafsir1, QStringLiteral("تفسير أول"));
    QCOMPARE(r.Tafsir2, QStringLiteral("تفسير ثان"));
}

void TestVerseRecordReader::longLinesAreReadWhole_data() {
    // The reader's line buffer starts at 4096 bytes, of which one read takes
    // at most 4095; longer lines are read on into a grown buffer.
    QTest::addColumn<int>("length"); // bytes of the verse text line
    QTest::newRow("CR LF end the first read") << 4093;
    QTest::newRow("CR LF straddle the first read's end") << 4094;
    QTest::newRow("text fills the first read") << 4095;
    QTest::newRow("about 10000 bytes") << 10000;
}

void TestVerseRecordReader::longLinesAreReadWhole() {
    QFETCH(int, length);
    // One byte a letter in code page 1256; a mark every few letters keeps
    // the text from being one repeated byte.
    QString text;
    for (int i = 0; i < length; ++i)
        text += i % 7 == 6 ? QChar(0x064E) : QChar(0x0628 + i % 3);
    QCOMPARE(cp1256::encode(text).size(), length);
    QTemporaryDir dir;
    const auto records = readRecords(writeFile(
        dir, QStringLiteral("qor"), recordLines("1", 1, 1, text) + recordLines("2", 1, 2)));
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[0].AyahText, text);
    QCOMPARE(records[0].JuzNo, QStringLiteral("1"));
    QCOMPARE(records[0].Tafsir2, QStringLiteral("تفسير ثان"));
    QCOMPARE(records[1].VerseId, QStringLiteral("2"));
    QCOMPARE(records[1].AyahText, QStringLiteral("بِسمِ اللَّهِ"));
}

void TestVerseRecordReader::missingFileDeliversNothing() {
    QTemporaryDir dir;
    VerseRecordReader reader;
    QVERIFY(!reader.Open(dir.filePath(QStringLiteral("qor"))));
    VerseRecord r;
    QVERIFY(!reader.Next(r));
    // A folder of that name cannot be read as a file either.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("find")));
    QVERIFY(readRecords(dir.filePath(QStringLiteral("find"))).isEmpty());
}

void TestVerseRecordReader::readOnlyFileIsRead() {
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("qor"), recordLines("1", 1, 1));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    QCOMPARE(readRecords(path).size(), 1);
}

void TestVerseRecordReader::verseIdsAreWholeTexts() {
    QTemporaryDir dir;
    const QString path =
        writeFile(dir, QStringLiteral("find"),
                  recordLines("07", 1, 7) + recordLines("17", 2, 1) + recordLines("7", 1, 6));
    VerseRecordReader reader;
    QVERIFY(reader.Open(path));
    VerseRecord r;
    QVERIFY(reader.NextWithId(QStringLiteral("7"), r));
    QCOMPARE(r.AyahNo, QStringLiteral("6"));
    QVERIFY(!reader.NextWithId(QStringLiteral("07"), r)); // already passed: no rewinding
    QVERIFY(reader.Open(path));
    QVERIFY(reader.NextWithId(QStringLiteral("07"), r));
    QCOMPARE(r.AyahNo, QStringLiteral("7"));
}

void TestVerseRecordReader::twoReadersScanIndependently() {
    VerseRecordReader first;
    VerseRecordReader second;
    QVERIFY(first.Open(builtVerseFile()));
    VerseRecord a, b;
    for (int i = 0; i < 1000; ++i)
        QVERIFY(first.Next(a));
    QCOMPARE(a.VerseId, QStringLiteral("1000"));

    // The second scan starts from the first record although the first one is
    // in the middle of the file, and both go on in step to the end.
    QVERIFY(second.Open(builtVerseFile()));
    QVERIFY(second.Next(b));
    QCOMPARE(b.VerseId, QStringLiteral("1"));
    int firstCount = 1000, secondCount = 1;
    for (;;) {
        const bool moreA = first.Next(a);
        const bool moreB = second.Next(b);
        firstCount += moreA;
        secondCount += moreB;
        if (!moreA && !moreB)
            break;
        if (moreB)
            QCOMPARE(b.VerseId, QString::number(secondCount));
    }
    QCOMPARE(firstCount, 6236);
    QCOMPARE(secondCount, 6236);
}

void TestVerseRecordReader::realFileHas6236Records() {
    const auto records = readRecords(builtVerseFile());
    QCOMPARE(records.size(), 6236);
    QCOMPARE(records.first().SurahNo, QStringLiteral("1"));
    // Shadda stands before its vowel, as in the source text.
    QCOMPARE(
        records.first().AyahText,
        QStringLiteral("\u0628\u0650\u0633\u0645\u0650 \u0627\u0644\u0644\u0651\u064E\u0647\u0650 "
                       "\u0627\u0644\u0631\u0651\u064E\u062D\u0645\u064E\u0646\u0650 "
                       "\u0627\u0644\u0631\u0651\u064E\u062D\u064A\u0645\u0650"));
    QCOMPARE(records.last().SurahNo, QStringLiteral("114"));
    QCOMPARE(records.last().AyahNo, QStringLiteral("6"));
}

QTEST_GUILESS_MAIN(TestVerseRecordReader)
#include "test_verse_record_reader.moc"
