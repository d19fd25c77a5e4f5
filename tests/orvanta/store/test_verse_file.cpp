#include "orvanta/store/app_dir.h"
#include "orvanta/store/verse_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void touch(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot create %s", qPrintable(path));
}

struct Shown {
    QString title;
    QString text;
};

} // namespace

class TestVerseFile : public QObject {
    Q_OBJECT
private slots:
    void appDirDefaultsToTheExecutablesFolder();
    void trailingSeparator_data();
    void trailingSeparator();
    void existence_data();
    void existence();
    void checkVerseFile_data();
    void checkVerseFile();
};

void TestVerseFile::trailingSeparator_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("appDir");
    QTest::newRow("ordinary folder") << "/opt/orvanta"
                                     << "/opt/orvanta/";
    QTest::newRow("already ends with a separator") << "/opt/orvanta/"
                                                   << "/opt/orvanta/";
    QTest::newRow("file system root") << "/"
                                      << "/";
}

void TestVerseFile::trailingSeparator() {
    QFETCH(QString, folder);
    QFETCH(QString, appDir);
    QCOMPARE(withTrailingSeparator(folder), appDir);
    SetAppDir(folder);
    QCOMPARE(VerseFilePath(), appDir + QStringLiteral("qor"));
}

void TestVerseFile::appDirDefaultsToTheExecutablesFolder() {
    // Runs before any test moves AppDir to a fixture folder.
    QCOMPARE(AppDir(), QCoreApplication::applicationDirPath() + u'/');
    QCOMPARE(VerseFilePath(), QCoreApplication::applicationDirPath() + QStringLiteral("/qor"));
}

void TestVerseFile::existence_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("exists");
    QTest::newRow("regular file") << "file" << true;
    QTest::newRow("read-only file") << "readonly" << true;
    QTest::newRow("file without any permission") << "noperm" << true;
    QTest::newRow("in a dot-hidden folder") << "hiddenfolder" << true;
    QTest::newRow("dot-named file") << "dotfile" << true;
    QTest::newRow("link to a file") << "link" << true;
    QTest::newRow("folder of that name") << "folder" << false;
    QTest::newRow("dangling link") << "dangling" << false;
    QTest::newRow("missing") << "missing" << false;
}

void TestVerseFile::existence() {
    QFETCH(QString, setup);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("qor"));
    if (setup == u"file") {
        touch(path);
    } else if (setup == u"readonly") {
        touch(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner);
    } else if (setup == u"noperm") {
        touch(path);
        QFile::setPermissions(path, {});
    } else if (setup == u"hiddenfolder") {
        QDir(dir.path()).mkdir(QStringLiteral(".hidden"));
        path = dir.filePath(QStringLiteral(".hidden/qor"));
        touch(path);
    } else if (setup == u"dotfile") {
        path = dir.filePath(QStringLiteral(".qor"));
        touch(path);
    } else if (setup == u"link") {
        touch(dir.filePath(QStringLiteral("real")));
        QFile::link(dir.filePath(QStringLiteral("real")), path);
    } else if (setup == u"folder") {
        QDir(dir.path()).mkdir(QStringLiteral("qor"));
    } else if (setup == u"dangling") {
        QFile::link(dir.filePath(QStringLiteral("nowhere")), path);
    }
    QCOMPARE(DataFileExists(path), exists);
}

void TestVerseFile::checkVerseFile_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("message");
    QTest::newRow("present") << "file" << false;
    QTest::newRow("empty file") << "empty" << false;
    QTest::newRow("read-only") << "readonly" << false;
    QTest::newRow("absent") << "none" << true;
    QTest::newRow("folder named qor") << "folder" << true;
}

void TestVerseFile::checkVerseFile() {
    QFETCH(QString, setup);
    QFETCH(bool, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("qor"));
    if (setup == u"file" || setup == u"empty" || setup == u"readonly") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (setup == u"file")
            f.write("1\r\n");
        f.close();
        if (setup == u"readonly")
            QFile::setPermissions(path, QFileDevice::ReadOwner);
    } else if (setup == u"folder") {
        QDir(dir.path()).mkdir(QStringLiteral("qor"));
    }
    SetAppDir(dir.path());

    QList<Shown> shown;
    CheckVerseFile([&](const QString& title, const QString& text) { shown.append({title, text}); });
    QCOMPARE(shown.size(), message ? 1 : 0);
    if (message) {
        QCOMPARE(shown.first().title, QStringLiteral("Orvanta"));
        QCOMPARE(shown.first().text, QStringLiteral("البرنامج لم يجد ملف  البيانات "));
    }
}

QTEST_GUILESS_MAIN(TestVerseFile)
#include "test_verse_file.moc"
