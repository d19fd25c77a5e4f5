#include "orvanta/search/harakat.h"

#include <QTest>

class TestHarakat : public QObject {
    Q_OBJECT
private slots:
    void isHaraka_data();
    void isHaraka();
    void bareSearchWord_data();
    void bareSearchWord();
    void bareText();
};

void TestHarakat::isHaraka_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("haraka");
    const char16_t marks[] = {0x064B, 0x064C, 0x064D, 0x064E, 0x064F, 0x0650, 0x0651, 0x0652};
    for (const char16_t m : marks)
        QTest::addRow("U+%04X", unsigned(m)) << QString(QChar(m)) << true;
    QTest::newRow("U+064A yeh, just below") << QStringLiteral("\u064A") << false;
    QTest::newRow("U+0653 maddah, just above") << QStringLiteral("\u0653") << false;
    QTest::newRow("U+0670 superscript alef") << QStringLiteral("\u0670") << false;
    QTest::newRow("U+0640 tatweel") << QStringLiteral("\u0640") << false;
    QTest::newRow("a letter") << QStringLiteral("ب") << false;
    QTest::newRow("two marks") << QStringLiteral("\u0651\u064E") << false;
    QTest::newRow("letter and mark") << QStringLiteral("بَ") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestHarakat::isHaraka() {
    QFETCH(QString, text);
    QTEST(IsHaraka(QStringView(text)), "haraka");
}

void TestHarakat::bareSearchWord_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("bare word stays") << QStringLiteral("الله") << QStringLiteral("الله");
    QTest::newRow("marks go") << QStringLiteral("اللَّهِ") << QStringLiteral("الله");
    QTest::newRow("every haraka goes")
        << QStringLiteral("ب\u064B\u064C\u064D\u064E\u064F\u0650\u0651\u0652ت")
        << QStringLiteral("بت");
    // The other characters of code 240 and above go too.
    QTest::newRow("top of the code page")
        << QStringLiteral("ا\u00F4\u00F7\u00F9\u00FB\u00FC\u200E\u200F\u06D2ب")
        << QStringLiteral("اب");
    // A character the code page lacks counts as "?" (63) and stays.
    QTest::newRow("superscript alef stays") << QStringLiteral("ذَٰلِكَ") << QStringLiteral("ذٰلك");
    QTest::newRow("Latin stays") << QStringLiteral("abc") << QStringLiteral("abc");
    QTest::newRow("code 239 stays") << QStringLiteral("\u00EF") << QStringLiteral("\u00EF");
    QTest::newRow("blanks stay") << QStringLiteral(" مِن ") << QStringLiteral(" من ");
    QTest::newRow("empty") << QString() << QString();
}

void TestHarakat::bareSearchWord() {
    QFETCH(QString, typed);
    QTEST(BareSearchWord(typed), "stored");
}

void TestHarakat::bareText() {
    QCOMPARE(BareText(u"بِسْمِ اللَّهِ الرَّحْمَنِ الرَّحِيمِ"), QStringLiteral("بسم الله الرحمن الرحيم"));
    // Only the eight harakat go: U+06D2 and superscript alef stay.
    QCOMPARE(BareText(u"\u06D2ذَٰلِكَ"), QStringLiteral("\u06D2ذٰلك"));
    QCOMPARE(BareText(u""), QString());
}

QTEST_APPLESS_MAIN(TestHarakat)
#include "test_harakat.moc"
