#include "orvanta/store/user_files.h"

#include <QStandardPaths>
#include <QTest>

class TestUserFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void mapping_data();
    void mapping();
    void namedFiles();
};

void TestUserFiles::mapping_data() {
    QTest::addColumn<QString>("windowsPath");
    QTest::addColumn<QString>("relative");
    QTest::newRow("upper-case drive") << "C:\\find"
                                      << "find";
    QTest::newRow("lower-case drive") << "c:\\find"
                                      << "find";
    QTest::newRow("font file") << "c:\\kt"
                               << "kt";
    QTest::newRow("nested") << "C:\\Program Files\\Orvanta1\\setup.exe"
                            << "Program Files/Orvanta1/setup.exe";
}

void TestUserFiles::mapping() {
    QFETCH(QString, windowsPath);
    QFETCH(QString, relative);
    QCOMPARE(UserPath(windowsPath), UserDataFolder() + u'/' + relative);
}

void TestUserFiles::namedFiles() {
    // Test mode keeps the user's real home out of reach.
    QVERIFY(UserDataFolder().contains(QStringLiteral(".qttest")));
    QVERIFY(UserDataFolder().endsWith(QStringLiteral("/Orvanta")));
    QCOMPARE(ResultsFilePath(), UserDataFolder() + QStringLiteral("/find"));
    QCOMPARE(FontFilePath(), UserDataFolder() + QStringLiteral("/kt"));
    QCOMPARE(LeftoverInstallerPath(),
             UserDataFolder() + QStringLiteral("/Program Files/Orvanta1/setup.exe"));
}

QTEST_GUILESS_MAIN(TestUserFiles)
#include "test_user_files.moc"
