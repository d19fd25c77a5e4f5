#include "orvanta/shell/apply_display_font.h"
#include "orvanta/shell/font_substitutions.h"
#include "orvanta/shell/text_box.h"
#include "tests/orvanta/font_file.h"

#include <QApplication>
#include <QFontInfo>
#include <QStandardPaths>
#include <QTest>

class TestApplyDisplayFont : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { QFile::remove(FontFilePath()); }
    void apply_data();
    void apply();
    void loadedDefaultsApplied();
    void substitutes_data();
    void substitutes();
};

void TestApplyDisplayFont::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    InstallFontSubstitutions();
}

void TestApplyDisplayFont::apply_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("bold");
    QTest::addColumn<bool>("stopStyle");
    QTest::addColumn<bool>("allDone");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<double>("shownSize");
    QTest::addColumn<bool>("shownBold");

    // The box starts as 11-point normal "Tahoma".
    for (bool stop : {true, false}) {
        const char* style = stop ? "browser: " : "results: ";
        QTest::addRow("%sgood settings", style) << "Traditional Arabic" << 22 << "False" << stop
                                                << true << "Traditional Arabic" << 22.0 << false;
        QTest::addRow("%sbold in any case", style)
            << "Andalus" << 30 << "true" << stop << true << "Andalus" << 30.0 << true;
    }
    // Bold "Yes": the browser has set name and size when bold fails, and
    // then shows "MS Sans Serif"; the results window keeps name and size.
    QTest::newRow("browser: bold Yes")
        << "Traditional Arabic" << 22 << "Yes" << true << false << "MS Sans Serif" << 22.0 << false;
    QTest::newRow("results: bold Yes") << "Traditional Arabic" << 22 << "Yes" << false << false
                                       << "Traditional Arabic" << 22.0 << false;
    // A size no text box takes: the browser stops before bold.
    QTest::newRow("browser: size 0")
        << "Andalus" << 0 << "True" << true << false << "MS Sans Serif" << 11.0 << false;
    QTest::newRow("results: size 0")
        << "Andalus" << 0 << "True" << false << false << "Andalus" << 11.0 << true;
    QTest::newRow("browser: negative size")
        << "Andalus" << -5 << "True" << true << false << "MS Sans Serif" << 11.0 << false;
    QTest::newRow("browser: size too large")
        << "Andalus" << 30000 << "True" << true << false << "MS Sans Serif" << 11.0 << false;
}

void TestApplyDisplayFont::apply() {
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(QString, bold);
    QFETCH(bool, stopStyle);
    TextBox box;
    QFont start(QStringLiteral("Tahoma"));
    start.setPointSizeF(11);
    box.setFont(start);

    FontSettingsValues settings;
    settings.DisplayFontName = name;
    settings.DisplayFontSize = static_cast<qint16>(size);
    settings.DisplayFontBold = bold;
    const bool done = ApplyDisplayFont(&box, settings,
                                       stopStyle ? FontErrorStyle::StopAndFallBack
                                                 : FontErrorStyle::SkipFailedStep);
    QTEST(done, "allDone");
    QTEST(box.font().family(), "shownName");
    QTEST(box.font().pointSizeF(), "shownSize");
    QTEST(box.font().bold(), "shownBold");
}

void TestApplyDisplayFont::loadedDefaultsApplied() {
    // First run: no font file, the verse text in 25-point bold
    // "DecoType Naskh Special", shown in Amiri.
    writeFontFile({});
    LoadFontSettings();
    TextBox box;
    QVERIFY(ApplyDisplayFont(&box, FontSettings(), FontErrorStyle::StopAndFallBack));
    QCOMPARE(box.font().family(), QStringLiteral("DecoType Naskh Special"));
    QCOMPARE(box.font().pointSizeF(), 25.0);
    QVERIFY(box.font().bold());
    QCOMPARE(QFontInfo(box.font()).family(), QStringLiteral("Amiri"));
}

void TestApplyDisplayFont::substitutes_data() {
    QTest::addColumn<QString>("windowsName");
    QTest::addColumn<QString>("installed");
    QTest::newRow("DecoType Naskh Special") << "DecoType Naskh Special"
                                            << "Amiri";
    QTest::newRow("Traditional Arabic") << "Traditional Arabic"
                                        << "Amiri";
    QTest::newRow("Times New Roman") << "Times New Roman"
                                     << "Amiri";
    QTest::newRow("Simplified Arabic") << "Simplified Arabic"
                                       << "Noto Naskh Arabic";
    QTest::newRow("Andalus") << "Andalus"
                             << "Noto Kufi Arabic";
    QTest::newRow("Arabic Transparent") << "Arabic Transparent"
                                        << "Noto Sans Arabic";
    QTest::newRow("Tahoma") << "Tahoma"
                            << "Noto Sans Arabic";
    QTest::newRow("MS Sans Serif") << "MS Sans Serif"
                                   << "Noto Sans Arabic";
}

void TestApplyDisplayFont::substitutes() {
    QFETCH(QString, windowsName);
    QTEST(QFontInfo(QFont(windowsName)).family(), "installed");
}

QTEST_MAIN(TestApplyDisplayFont)
#include "test_apply_display_font.moc"
