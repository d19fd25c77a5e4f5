#include "orvanta/shell/open_with_shell.h"
#include "orvanta/shell/shell_url.h"
#include "support/recording_desktop.h"

#include <QDesktopServices>
#include <QTemporaryDir>
#include <QTest>

class TestOpenWithShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { desktop_.opened.clear(); }
    void urls_data();
    void urls();
    void opensExistingFile();
    void missingFileOpensNothing();
    void linksGoToTheDesktop();

private:
    RecordingDesktop desktop_;
};

void TestOpenWithShell::initTestCase() {
    for (const char* scheme : {"file", "https", "mailto"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &desktop_, "open");
}

void TestOpenWithShell::cleanupTestCase() {
    for (const char* scheme : {"file", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void TestOpenWithShell::urls_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("path") << "/opt/orvanta/help.mht" << QUrl("file:///opt/orvanta/help.mht");
    QTest::newRow("Arabic path") << "/tmp/مساعدة.mht" << QUrl::fromLocalFile("/tmp/مساعدة.mht");
    QTest::newRow("web link") << "https://tanzil.net/" << QUrl("https://tanzil.net/");
    QTest::newRow("mail") << "mailto:someone@example.org" << QUrl("mailto:someone@example.org");
    QTest::newRow("file link") << "file:///tmp/a.txt" << QUrl("file:///tmp/a.txt");
    QTest::newRow("drive letter is a path") << "C:/help.mht" << QUrl::fromLocalFile("C:/help.mht");
}

void TestOpenWithShell::urls() {
    QFETCH(QString, target);
    QTEST(ShellUrl(target), "url");
}

void TestOpenWithShell::opensExistingFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("help.mht"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    OpenWithShell(path);
    QCOMPARE(desktop_.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
}

void TestOpenWithShell::missingFileOpensNothing() {
    QTemporaryDir dir;
    OpenWithShell(dir.filePath(QStringLiteral("missing.mht")));
    OpenWithShell(QString());
    QVERIFY(desktop_.opened.isEmpty());
}

void TestOpenWithShell::linksGoToTheDesktop() {
    OpenWithShell(QStringLiteral("https://tanzil.net/"));
    QCOMPARE(desktop_.opened, QList<QUrl>{QUrl(QStringLiteral("https://tanzil.net/"))});
}

QTEST_MAIN(TestOpenWithShell)
#include "test_open_with_shell.moc"
