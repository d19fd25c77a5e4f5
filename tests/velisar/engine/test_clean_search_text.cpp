#include "velisar/engine/clean_search_text.h"

#include <QTest>

class TestCleanSearchText : public QObject {
    Q_OBJECT
private slots:
    void cleaning_data();
    void cleaning();
    void trimmingTakesOnlySpaces();
};

void TestCleanSearchText::cleaning_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cleaned");

    QTest::newRow("bare letters") << u"الحج"_qs << u"الحج"_qs;
    QTest::newRow("tatweel") << u"الحـج"_qs << u"الحج"_qs;
    QTest::newRow("several tatweel") << u"النــور يــس"_qs << u"النور يس"_qs;
    QTest::newRow("vowel marks and shadda") << u"الْحَجِّ"_qs << u"الحج"_qs;
    QTest::newRow("all eight marks")
        << u"ب\u064B\u064C\u064D\u064E\u064F\u0650\u0651\u0652ت"_qs << u"بت"_qs;
    QTest::newRow("marks and tatweel together") << u"اللّـَهُ"_qs << u"الله"_qs;
    QTest::newRow("Latin letters") << u"abc الله XYZ"_qs << u"الله"_qs;
    QTest::newRow("digits and key") << u"البقرة 255/2"_qs << u"البقرة"_qs;
    QTest::newRow("ASCII punctuation") << u"(الله). أكبر!"_qs << u"الله أكبر"_qs;
    QTest::newRow("lone asterisk") << u"*"_qs << u"*"_qs;
    QTest::newRow("lone asterisk between spaces") << u"  *  "_qs << u"*"_qs;
    QTest::newRow("asterisk inside text") << u"الله*"_qs << u"الله"_qs;
    QTest::newRow("two asterisks") << u"**"_qs << QString();
    QTest::newRow("run of spaces") << u"الله     أكبر"_qs << u"الله أكبر"_qs;
    QTest::newRow("spaces around a dropped word") << u"الله abc أكبر"_qs << u"الله أكبر"_qs;
    QTest::newRow("spaces around a tatweel") << u"الله ـ أكبر"_qs << u"الله أكبر"_qs;
    QTest::newRow("leading and trailing spaces") << u"   الله   "_qs << u"الله"_qs;
    // A tab is ASCII: it goes, and the words it parted meet.
    QTest::newRow("tab between words") << u"الله\tأكبر"_qs << u"اللهأكبر"_qs;
    QTest::newRow("line break between words") << u"الله\r\nأكبر"_qs << u"اللهأكبر"_qs;
    QTest::newRow("Arabic comma and question mark") << u"أين، من؟"_qs << u"أين، من؟"_qs;
    QTest::newRow("accented Latin kept up to code 237") << u"é"_qs << u"é"_qs;
    QTest::newRow("accented Latin above code 237") << u"ôû"_qs << QString();
    QTest::newRow("direction marks") << u"\u200Fالله\u200E"_qs << u"الله"_qs;
    QTest::newRow("yeh barree, code 255") << u"الله\u06D2"_qs << u"الله"_qs;
    QTest::newRow("not in the code page") << u"ٱلله 中"_qs << u"لله"_qs;
    QTest::newRow("no-break space kept") << u"الله\u00A0"_qs << u"الله\u00A0"_qs;
    QTest::newRow("only digits and Latin") << u"123 abc"_qs << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("text box after a search") << u"100%   الله"_qs << u"الله"_qs;
}

void TestCleanSearchText::cleaning() {
    QFETCH(QString, text);
    QFETCH(QString, cleaned);
    QCOMPARE(Clean_Search_Text(text), cleaned);
}

void TestCleanSearchText::trimmingTakesOnlySpaces() {
    QCOMPARE(trimSpaces(u"  ا ب  "_qs), u"ا ب"_qs);
    QCOMPARE(trimSpaces(u"\tا\u00A0"_qs), u"\tا\u00A0"_qs);
    QCOMPARE(trimSpaces(u"   "_qs), QString());
}

QTEST_GUILESS_MAIN(TestCleanSearchText)
#include "test_clean_search_text.moc"
