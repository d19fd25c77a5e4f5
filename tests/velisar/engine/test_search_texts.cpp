#include "velisar/engine/search_texts.h"
#include "velisar/engine/sora_names.h"
#include "velisar/engine/velisar_message.h"

#include <QTest>

class TestSearchTexts : public QObject {
    Q_OBJECT
private slots:
    void progress_data();
    void progress();
    void references_data();
    void references();
    void rowTexts();
    void messages();
};

void TestSearchTexts::progress_data() {
    QTest::addColumn<qsizetype>("position");
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<QString>("percent");
    QTest::newRow("an eighth") << qsizetype(1) << qsizetype(8) << u"12.5"_qs;
    QTest::newRow("a third") << qsizetype(1) << qsizetype(3) << u"33.3"_qs;
    QTest::newRow("two thirds") << qsizetype(2) << qsizetype(3) << u"66.6"_qs;
    QTest::newRow("all") << qsizetype(8) << qsizetype(8) << u"100"_qs;
    QTest::newRow("half") << qsizetype(4) << qsizetype(8) << u"50"_qs;
    QTest::newRow("first character of the real text")
        << qsizetype(1) << qsizetype(444648) << u"0.00"_qs;
    QTest::newRow("a few percent") << qsizetype(40000) << qsizetype(444648) << u"8.99"_qs;
}

void TestSearchTexts::progress() {
    QFETCH(qsizetype, position);
    QFETCH(qsizetype, length);
    QFETCH(QString, percent);
    QCOMPARE(progressText(position, length, u"الله"_qs), percent + u"%   البحث عن : الله"_qs);
}

void TestSearchTexts::references_data() {
    QTest::addColumn<int>("verse");
    QTest::addColumn<int>("surah");
    QTest::addColumn<QString>("ref");
    QTest::newRow("three-digit verse") << 255 << 2 << u"(255) سورة البقرة"_qs;
    QTest::newRow("name with two tatweel") << 35 << 24 << u"(35) سورة النــور"_qs;
    QTest::newRow("last surah") << 6 << 114 << u"(6) سورة الناس"_qs;
    QTest::newRow("surah 0 is the word itself") << 1 << 0 << u"(1) سورة  سورة "_qs;
    QTest::newRow("surah past the table") << 1 << 115 << u"(1) سورة "_qs;
}

void TestSearchTexts::references() {
    QFETCH(int, verse);
    QFETCH(int, surah);
    QFETCH(QString, ref);
    QCOMPARE(resultRef(verse, surah, soraNameTable()), ref);
}

void TestSearchTexts::rowTexts() {
    const QString ref = resultRef(255, 2, soraNameTable());
    QCOMPARE(resultLabel(3, ref), u"3- (255) سورة البقرة"_qs);
    QCOMPARE(resultLabel(10001, ref), u"10001- (255) سورة البقرة"_qs);
    QCOMPARE(resultEntry(u" اللَّهُ ", ref), u"{ اللَّهُ } (255) سورة البقرة"_qs);
    QCOMPARE(resultCountText(12), u"عدد النتائج : 12"_qs);
    QCOMPARE(finishedText(u"الله"_qs), u"100%   الله"_qs);
}

void TestSearchTexts::messages() {
    const VelisarMessage notFound = notFoundMessage(u"الله أكبر"_qs);
    QCOMPARE(notFound.title, u"Velisar"_qs);
    QCOMPARE(notFound.icon, VelisarMessage::Icon::Information);
    QCOMPARE(notFound.text,
             u"عفواً ... النص الذي كتبته \"الله أكبر\" غير موجود\r\rحاول مرة أخرى ..."_qs);

    const VelisarMessage missing = missingFileMessage(kPlainFileCode);
    QCOMPARE(missing.title, u"Velisar"_qs);
    QCOMPARE(missing.icon, VelisarMessage::Icon::Stop);
    QCOMPARE(missing.text, u"2\r\rملف البحث غير متوفر"_qs);
    QCOMPARE(missingFileMessage(kVocalizedFileCode).text, u"1 T\r\rملف البحث غير متوفر"_qs);
}

QTEST_GUILESS_MAIN(TestSearchTexts)
#include "test_search_texts.moc"
