#include "common/cp1256.h"
#include "orvanta/search/results_file_writer.h"
#include "search_fixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

VerseRecord record(const QString& id) {
    return {id,
            QStringLiteral("2"),
            QStringLiteral("3"),
            QStringLiteral("4"),
            QStringLiteral("ذَلِكَ الكِتابُ"),
            QStringLiteral("1"),
            QStringLiteral("تفسير | أول"),
            QString()};
}

void writeOld(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class TestResultsFileWriter : public QObject {
    Q_OBJECT
private slots:
    void linesAsRead();
    void emptyWhenNoHits();
    void folderMade();
    void oldFileKeptUntilCommit();
    void failedWriteKeepsOldFile();
    void pathThatIsAFolder();
};

void TestResultsFileWriter::linesAsRead() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("find"));
    ResultsFileWriter writer;
    QVERIFY(writer.Open(path));
    QVERIFY(writer.Append(record(QStringLiteral("7"))));
    QVERIFY(writer.Append(record(QStringLiteral("07"))));
    QVERIFY(writer.Commit());
    const QByteArray one = cp1256::encode(u"2\r\n3\r\n4\r\nذَلِكَ الكِتابُ\r\n1\r\nتفسير | أول\r\n\r\n");
    QCOMPARE(fileBytes(path), "7\r\n" + one + "07\r\n" + one);
    QCOMPARE(readRecords(path), (QList<VerseRecord>{record("7"), record("07")}));
}

void TestResultsFileWriter::emptyWhenNoHits() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("find"));
    writeOld(path, "old hits\r\n");
    ResultsFileWriter writer;
    QVERIFY(writer.Open(path));
    QVERIFY(writer.Commit());
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
}

void TestResultsFileWriter::folderMade() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a/b/find"));
    ResultsFileWriter writer;
    QVERIFY(writer.Open(path));
    QVERIFY(writer.Append(record(QStringLiteral("1"))));
    QVERIFY(writer.Commit());
    QCOMPARE(readRecords(path).size(), 1);
}

void TestResultsFileWriter::oldFileKeptUntilCommit() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("find"));
    writeOld(path, "old\r\n");
    ResultsFileWriter writer;
    QVERIFY(writer.Open(path));
    for (int i = 0; i < 2000; ++i)
        QVERIFY(writer.Append(record(QString::number(i))));
    QCOMPARE(fileBytes(path), QByteArray("old\r\n"));
    QVERIFY(writer.Commit());
    QCOMPARE(readRecords(path).size(), 2000);
    // No temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("find")});
}

void TestResultsFileWriter::failedWriteKeepsOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("find"));
    const QByteArray old = cp1256::encode(u"1\r\n1\r\n1\r\n1\r\nبِسمِ\r\n1\r\n\r\n\r\n");
    writeOld(path, old);
    {
        const FileSizeLimit limit(100 * 1000);
        ResultsFileWriter writer;
        QVERIFY(writer.Open(path));
        bool appended = true;
        for (int i = 0; i < 3000 && appended; ++i)
            appended = writer.Append(record(QString::number(i)));
        QVERIFY(!writer.Commit());
        QVERIFY(!writer.Append(record(QStringLiteral("late"))));
    }
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("find")});
}

void TestResultsFileWriter::pathThatIsAFolder() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("find"));
    QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
    ResultsFileWriter writer;
    QVERIFY(!writer.Open(path));
    QVERIFY(!writer.Append(record(QStringLiteral("1"))));
    QVERIFY(!writer.Commit());
    QVERIFY(QFileInfo(path).isDir());
}

QTEST_APPLESS_MAIN(TestResultsFileWriter)
#include "test_results_file_writer.moc"
