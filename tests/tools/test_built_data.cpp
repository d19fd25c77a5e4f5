// Checks the data files the build wrote into the program folder.
#include "common/cp1256.h"
#include "orvanta/store/surah_table.h"
#include "orvanta/store/verse_record_reader.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString kProgramDir = QStringLiteral(PROGRAM_DIR);

QByteArray readBytes(const QString& name) {
    QFile f(kProgramDir + u'/' + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(f.fileName()));
    return f.readAll();
}

QString withoutHarakat(QString text) {
    static const QRegularExpression harakat(QStringLiteral("[\\x{064B}-\\x{0652}]"));
    return text.remove(harakat);
}

struct Segment {
    QString text;
    int ayah;
    int surah;
};

// Splits a finder file into its verses by the keys that follow them.
QList<Segment> finderSegments(const QString& text) {
    static const QRegularExpression key(QStringLiteral("(\\d+)/(\\d+)"));
    QList<Segment> segments;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : key.globalMatch(text)) {
        segments.append({text.mid(from, m.capturedStart() - from), m.captured(1).toInt(),
                         m.captured(2).toInt()});
        from = m.capturedEnd();
    }
    segments.append({text.mid(from), 0, 0}); // what follows the last key
    return segments;
}

} // namespace

class TestBuiltData : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void verseFileLayout();
    void surahsAndVersesInMushafOrder();
    void pagesAndJuzNeverDecrease();
    void knownPlaces_data();
    void knownPlaces();
    void finderFilesFollowEveryVerseWithItsKey();
    void plainIsVocalisedLessHarakat();

private:
    QList<VerseRecord> records_;
};

void TestBuiltData::initTestCase() {
    VerseRecordReader reader;
    QVERIFY(reader.Open(kProgramDir + QStringLiteral("/qor")));
    VerseRecord r;
    while (reader.Next(r))
        records_.append(r);
}

void TestBuiltData::verseFileLayout() {
    const QByteArray bytes = readBytes(QStringLiteral("qor"));
    QVERIFY(bytes.endsWith("\r\n"));
    const QList<QByteArray> lines = bytes.chopped(1).split('\n');
    QCOMPARE(lines.size(), 6236 * 8);
    for (const QByteArray& line : lines) {
        QVERIFY(line.endsWith('\r'));
        QCOMPARE(line.count('\r'), 1);
    }
    // Strict code page 1256: nothing was replaced by a "?".
    QVERIFY(!bytes.contains('?'));
    QCOMPARE(cp1256::encode(cp1256::decode(bytes)), bytes);
    QCOMPARE(records_.size(), 6236);
}

void TestBuiltData::surahsAndVersesInMushafOrder() {
    QSet<QString> ids;
    int index = 0;
    for (int surah = 1; surah <= kSurahCount; ++surah) {
        for (int ayah = 1; ayah <= surahRow(surah)->verseCount; ++ayah, ++index) {
            const VerseRecord& r = records_.at(index);
            QCOMPARE(r.SurahNo, QString::number(surah));
            QCOMPARE(r.AyahNo, QString::number(ayah));
            QVERIFY(!r.AyahText.isEmpty());
            QVERIFY(!r.AyahText.startsWith(u' ') && !r.AyahText.endsWith(u' '));
            QVERIFY(!r.AyahText.contains(QStringLiteral("  ")));
            ids.insert(r.VerseId);
        }
    }
    QCOMPARE(index, 6236);
    QCOMPARE(ids.size(), 6236);
}

void TestBuiltData::pagesAndJuzNeverDecrease() {
    int page = 1, juz = 1;
    QSet<int> pages, juzs;
    for (const VerseRecord& r : std::as_const(records_)) {
        const int p = r.PageNo.toInt();
        const int j = r.JuzNo.toInt();
        QVERIFY2(p == page || p == page + 1, qPrintable(r.VerseId));
        QVERIFY2(j == juz || j == juz + 1, qPrintable(r.VerseId));
        page = p;
        juz = j;
        pages.insert(p);
        juzs.insert(j);
    }
    QCOMPARE(records_.first().PageNo, QStringLiteral("1"));
    QCOMPARE(page, 604);
    QCOMPARE(pages.size(), 604);
    QCOMPARE(records_.first().JuzNo, QStringLiteral("1"));
    QCOMPARE(juz, 30);
    QCOMPARE(juzs.size(), 30);
}

void TestBuiltData::knownPlaces_data() {
    QTest::addColumn<int>("surah");
    QTest::addColumn<int>("ayah");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("juz");
    QTest::newRow("1:1") << 1 << 1 << 1 << 1;
    QTest::newRow("2:1") << 2 << 1 << 2 << 1;
    QTest::newRow("2:141") << 2 << 141 << 21 << 1;
    QTest::newRow("2:142") << 2 << 142 << 22 << 2;
    QTest::newRow("78:1") << 78 << 1 << 582 << 30;
    QTest::newRow("114:6") << 114 << 6 << 604 << 30;
}

void TestBuiltData::knownPlaces() {
    QFETCH(int, surah);
    QFETCH(int, ayah);
    QFETCH(int, page);
    QFETCH(int, juz);
    for (const VerseRecord& r : std::as_const(records_)) {
        if (r.SurahNo.toInt() == surah && r.AyahNo.toInt() == ayah) {
            QCOMPARE(r.PageNo.toInt(), page);
            QCOMPARE(r.JuzNo.toInt(), juz);
            return;
        }
    }
    QFAIL("verse not found");
}

void TestBuiltData::finderFilesFollowEveryVerseWithItsKey() {
    for (const bool vocalised : {true, false}) {
        const QByteArray bytes =
            readBytes(vocalised ? QStringLiteral("VelisarT.KRD") : QStringLiteral("Velisar.KRD"));
        QVERIFY(!bytes.contains('?'));
        const QList<Segment> segments = finderSegments(cp1256::decode(bytes));
        QCOMPARE(segments.size(), 6236 + 1);
        for (int i = 0; i < 6236; ++i) {
            const VerseRecord& r = records_.at(i);
            const Segment& s = segments.at(i);
            QCOMPARE(s.surah, r.SurahNo.toInt());
            QCOMPARE(s.ayah, r.AyahNo.toInt());
            // Everything between two keys is the listed verse: " TEXT ".
            const QString expected = vocalised ? r.AyahText : withoutHarakat(r.AyahText);
            QCOMPARE(s.text, u' ' + expected + u' ');
            QVERIFY(!s.text.contains(u'.'));
        }
        QCOMPARE(segments.last().text, QStringLiteral(" "));
    }
}

void TestBuiltData::plainIsVocalisedLessHarakat() {
    const QString vocalised = cp1256::decode(readBytes(QStringLiteral("VelisarT.KRD")));
    const QString plain = cp1256::decode(readBytes(QStringLiteral("Velisar.KRD")));
    QCOMPARE(plain, withoutHarakat(vocalised));
    QVERIFY(vocalised.size() > plain.size());
}

QTEST_GUILESS_MAIN(TestBuiltData)
#include "test_built_data.moc"
