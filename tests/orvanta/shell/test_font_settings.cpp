#include "orvanta/shell/font_settings.h"
#include "tests/orvanta/font_file.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>

class TestFontSettings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { QFile::remove(FontFilePath()); }
    void load_data();
    void load();
    void loadStartsFromTheDefaults();
    void emptyFile();
    void boldFlag_data();
    void boldFlag();
    void write();
    void writeWhereNothingCanBeWritten();
    void fontSizeValue_data();
    void fontSizeValue();
};

void TestFontSettings::load_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("lastLineEnded");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("bold");

    const QString deco = QStringLiteral("DecoType Naskh Special");
    QTest::newRow("no file") << QStringList() << true << deco << 25 << "True";
    QTest::newRow("three lines") << QStringList{"Traditional Arabic", "22", "False"} << true
                                 << "Traditional Arabic" << 22 << "False";
    QTest::newRow("last line without CR LF")
        << QStringList{"Tahoma", "18", "False"} << false << "Tahoma" << 18 << "False";
    QTest::newRow("half goes to even")
        << QStringList{"Andalus", "22.5", "True"} << true << "Andalus" << 22 << "True";
    QTest::newRow("other half goes up")
        << QStringList{"Andalus", "23.5", "True"} << true << "Andalus" << 24 << "True";
    QTest::newRow("six lines: second group")
        << QStringList{"Tahoma", "18", "False", "Simplified Arabic", "28", "True"} << true
        << "Simplified Arabic" << 28 << "True";
    QTest::newRow("four lines: first group")
        << QStringList{"Tahoma", "18", "False", "Andalus"} << true << "Tahoma" << 18 << "False";
    QTest::newRow("five lines: first group")
        << QStringList{"Tahoma", "18", "False", "Andalus", "30"} << true << "Tahoma" << 18
        << "False";
    QTest::newRow("blank line after the group")
        << QStringList{"Tahoma", "18", "False", ""} << true << "Tahoma" << 18 << "False";
    QTest::newRow("bad size keeps the name") << QStringList{"Traditional Arabic", "big", "False"}
                                             << true << "Traditional Arabic" << 25 << "True";
    QTest::newRow("empty size") << QStringList{"Tahoma", "", "False"} << true << "Tahoma" << 25
                                << "True";
    QTest::newRow("size beyond 16 bits")
        << QStringList{"Tahoma", "40000", "False"} << true << "Tahoma" << 25 << "True";
    QTest::newRow("bad size in the second group")
        << QStringList{"Tahoma", "18", "False", "Andalus", "x", "True"} << true << "Andalus" << 18
        << "False";
    QTest::newRow("bold kept as text")
        << QStringList{"Tahoma", "20", "Yes"} << true << "Tahoma" << 20 << "Yes";
    QTest::newRow("Arabic name") << QStringList{"خط عربي", "20", "True"} << true << "خط عربي" << 20
                                 << "True";
}

void TestFontSettings::load() {
    QFETCH(QStringList, lines);
    QFETCH(bool, lastLineEnded);
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(QString, bold);
    writeFontFile(lines, lastLineEnded);
    LoadFontSettings();
    QCOMPARE(FontSettings().DisplayFontName, name);
    QCOMPARE(FontSettings().DisplayFontSize, size);
    QCOMPARE(FontSettings().DisplayFontBold, bold);
}

void TestFontSettings::loadStartsFromTheDefaults() {
    // A later load never keeps what an earlier file said.
    writeFontFile({"Tahoma", "18", "False"});
    LoadFontSettings();
    QCOMPARE(FontSettings().DisplayFontSize, 18);
    writeFontFile({"Andalus", "bad", "False"});
    LoadFontSettings();
    QCOMPARE(FontSettings().DisplayFontName, QStringLiteral("Andalus"));
    QCOMPARE(FontSettings().DisplayFontSize, 25);
    QCOMPARE(FontSettings().DisplayFontBold, QStringLiteral("True"));
}

void TestFontSettings::emptyFile() {
    writeFontFile({}, false);
    QVERIFY(QFile::exists(FontFilePath()));
    LoadFontSettings();
    QCOMPARE(FontSettings().DisplayFontName, QStringLiteral("DecoType Naskh Special"));
    QCOMPARE(FontSettings().DisplayFontSize, 25);
}

void TestFontSettings::boldFlag_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("flag"); // -1: no flag
    QTest::newRow("True") << "True" << 1;
    QTest::newRow("False") << "False" << 0;
    QTest::newRow("letter case") << "TRUE" << 1;
    QTest::newRow("blanks") << " false " << 0;
    QTest::newRow("Yes") << "Yes" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("number") << "1" << -1;
}

void TestFontSettings::boldFlag() {
    QFETCH(QString, text);
    QFETCH(int, flag);
    const std::optional<bool> value = BoldFlag(text);
    QCOMPARE(value.has_value(), flag >= 0);
    if (value)
        QCOMPARE(*value, flag == 1);
}

void TestFontSettings::write() {
    // The folder does not exist yet; an older, longer file is replaced whole.
    QDir(UserDataFolder()).removeRecursively();
    QVERIFY(WriteFontSettings(FontFilePath(), QStringLiteral("خط عربي"), QStringLiteral("22.5"),
                              QStringLiteral("True")));
    writeFontFile({"Tahoma", "18", "False", "Andalus", "30", "True"});
    QVERIFY(WriteFontSettings(FontFilePath(), QStringLiteral("خط عربي"), QStringLiteral("abc"),
                              QStringLiteral("False")));
    QFile file(FontFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), cp1256::encode(QStringLiteral("خط عربي\r\nabc\r\nFalse\r\n")));
    QCOMPARE(ReadFontSettings(FontFilePath()).DisplayFontName, QStringLiteral("خط عربي"));
}

void TestFontSettings::writeWhereNothingCanBeWritten() {
    QVERIFY(QDir().mkpath(FontFilePath() + QStringLiteral("/taken")));
    QVERIFY(!WriteFontSettings(FontFilePath(), QStringLiteral("Tahoma"), QStringLiteral("20"),
                               QStringLiteral("True")));
    QVERIFY(QFileInfo(FontFilePath()).isDir());
    QDir(FontFilePath()).removeRecursively();
}

void TestFontSettings::fontSizeValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<float>("points");
    QTest::newRow("whole") << "22" << true << 22.0f;
    QTest::newRow("fraction") << "22.5" << true << 22.5f;
    QTest::newRow("blanks around") << " 18 " << true << 18.0f;
    QTest::newRow("letters") << "abc" << false << 0.0f;
    QTest::newRow("number then letters") << "22pt" << false << 0.0f;
    QTest::newRow("empty") << "" << false << 0.0f;
}

void TestFontSettings::fontSizeValue() {
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    const std::optional<float> value = FontSizeValue(text);
    QCOMPARE(value.has_value(), isNumber);
    if (isNumber)
        QTEST(*value, "points");
}

QTEST_GUILESS_MAIN(TestFontSettings)
#include "test_font_settings.moc"
