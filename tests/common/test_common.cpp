#include "common/cp1256.h"
#include "common/numeric_value.h"
#include "common/rounding.h"

#include <QTest>

class TestCommon : public QObject {
    Q_OBJECT
private slots:
    void cp1256Code_data();
    void cp1256Code();
    void cp1256RoundTripOfEveryByte();
    void cp1256EncodeReportsLoss();
    void numericValue_data();
    void numericValue();
    void roundHalfEven_data();
    void roundHalfEven();
    void integerDivide_data();
    void integerDivide();
    void toInt16_data();
    void toInt16();
};

void TestCommon::cp1256Code_data() {
    QTest::addColumn<int>("unicode");
    QTest::addColumn<int>("code");
    QTest::newRow("space") << 0x20 << 32;
    QTest::newRow("asterisk") << int('*') << 42;
    QTest::newRow("question mark") << int('?') << 63;
    QTest::newRow("hamza") << 0x0621 << 0xC1;
    QTest::newRow("alef") << 0x0627 << 0xC7;
    QTest::newRow("tatweel") << 0x0640 << 0xDC;
    QTest::newRow("alef maksura") << 0x0649 << 0xEC;
    QTest::newRow("yeh") << 0x064A << 0xED;
    QTest::newRow("fathatan") << 0x064B << 0xF0;
    QTest::newRow("fatha") << 0x064E << 0xF3;
    QTest::newRow("shadda") << 0x0651 << 0xF8;
    QTest::newRow("sukun") << 0x0652 << 0xFA;
    QTest::newRow("o circumflex") << 0x00F4 << 0xF4;
    QTest::newRow("division sign") << 0x00F7 << 0xF7;
    QTest::newRow("u diaeresis") << 0x00FC << 0xFC;
    QTest::newRow("LRM") << 0x200E << 0xFD;
    QTest::newRow("RLM") << 0x200F << 0xFE;
    QTest::newRow("yeh barree") << 0x06D2 << 0xFF;
    QTest::newRow("arabic comma") << 0x060C << 0xA1;
    QTest::newRow("superscript alef has none") << 0x0670 << 63;
    QTest::newRow("pause mark has none") << 0x06D6 << 63;
    QTest::newRow("latin A grave has none") << 0x00C0 << 63;
    QTest::newRow("surrogate half has none") << 0xD800 << 63;
}

void TestCommon::cp1256Code() {
    QFETCH(int, unicode);
    QFETCH(int, code);
    QCOMPARE(cp1256::code(QChar(char16_t(unicode))), code);
}

void TestCommon::cp1256RoundTripOfEveryByte() {
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QString text = cp1256::decode(all);
    QCOMPARE(text.size(), 256);
    bool lossless = false;
    QCOMPARE(cp1256::encode(text, &lossless), all);
    QVERIFY(lossless);
    for (int b = 0; b < 256; ++b)
        QCOMPARE(cp1256::code(text.at(b)), b);
}

void TestCommon::cp1256EncodeReportsLoss() {
    bool lossless = true;
    const QByteArray bytes = cp1256::encode(u"رحمٰن", &lossless);
    QVERIFY(!lossless);
    QCOMPARE(bytes.size(), 5);
    QCOMPARE(bytes.at(3), '?');
    QCOMPARE(cp1256::firstUnencodable(u"رحمٰن"), 3);
    QCOMPARE(cp1256::firstUnencodable(u"رحمن?"), -1);
}

void TestCommon::numericValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("digits") << "604" << 604.0;
    QTest::newRow("leading blanks") << "   7" << 7.0;
    QTest::newRow("digits then text") << "12abc" << 12.0;
    QTest::newRow("fraction") << "22.5" << 22.5;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("text") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blank only") << "  " << 0.0;
    QTest::newRow("arabic text") << "حدد السورة" << 0.0;
    QTest::newRow("CR LF then digits") << "\r\n286" << 286.0;
    QTest::newRow("blanks, line break, digits") << " \t\n 7" << 7.0;
}

void TestCommon::numericValue() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(::numericValue(text), value);
}

void TestCommon::roundHalfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("rounded");
    QTest::newRow("0.5") << 0.5 << qint64(0);
    QTest::newRow("1.5") << 1.5 << qint64(2);
    QTest::newRow("2.5") << 2.5 << qint64(2);
    QTest::newRow("22.5") << 22.5 << qint64(22);
    QTest::newRow("23.5") << 23.5 << qint64(24);
    QTest::newRow("2.51") << 2.51 << qint64(3);
    QTest::newRow("-2.5") << -2.5 << qint64(-2);
    QTest::newRow("-3.5") << -3.5 << qint64(-4);
    QTest::newRow("1807.5") << 1807.5 << qint64(1808);
}

void TestCommon::roundHalfEven() {
    QFETCH(double, value);
    QFETCH(qint64, rounded);
    QCOMPARE(::roundHalfEven(value), rounded);
}

void TestCommon::integerDivide_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("defined");
    QTest::addColumn<qint64>("quotient");
    QTest::newRow("735 \\ 30") << 735.0 << 30.0 << true << qint64(24);
    QTest::newRow("350 \\ 435") << 350.0 << 435.0 << true << qint64(0);
    QTest::newRow("operands rounded first") << 10.5 << 2.5 << true << qint64(5);
    QTest::newRow("truncates toward zero") << -7.0 << 2.0 << true << qint64(-3);
    QTest::newRow("by zero") << 5.0 << 0.0 << false << qint64(0);
    QTest::newRow("by a divisor rounding to zero") << 5.0 << 0.4 << false << qint64(0);
}

void TestCommon::integerDivide() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, defined);
    QFETCH(qint64, quotient);
    const auto q = ::integerDivide(a, b);
    QCOMPARE(q.has_value(), defined);
    if (defined)
        QCOMPARE(*q, quotient);
}

void TestCommon::toInt16_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("defined");
    QTest::addColumn<int>("value");
    QTest::newRow("whole") << "22" << true << 22;
    QTest::newRow("blanks around") << " 25 " << true << 25;
    QTest::newRow("half to even down") << "22.5" << true << 22;
    QTest::newRow("half to even up") << "23.5" << true << 24;
    QTest::newRow("largest") << "32767" << true << 32767;
    QTest::newRow("too large") << "32768" << false << 0;
    QTest::newRow("smallest") << "-32768" << true << -32768;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("digits then letters") << "22pt" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
}

void TestCommon::toInt16() {
    QFETCH(QString, text);
    QFETCH(bool, defined);
    QFETCH(int, value);
    const auto v = ::toInt16(text);
    QCOMPARE(v.has_value(), defined);
    if (defined)
        QCOMPARE(int(*v), value);
}

QTEST_GUILESS_MAIN(TestCommon)
#include "test_common.moc"
