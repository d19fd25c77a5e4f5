// scripts/desktop-entries.sh: the menu entries of the two programs start the
// built programs, show their icons, pass desktop-file-validate, and go away
// again with --remove, leaving everything else alone; so does the entry that
// hands web archives to the help viewer.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Program {
    QString name;
    QString picture; // in the source tree
};

const QList<Program> programs{
    {QStringLiteral("orvanta"), QStringLiteral("orvanta/shell/pictures/orvanta.png")},
    {QStringLiteral("velisar"), QStringLiteral("velisar/window/pictures/velisar.png")}};

const QString kHelpEntry = QStringLiteral("applications/orvanta-help.desktop");
const QString kHelpViewer = QStringLiteral("orvanta-help-viewer");
const QString kWebArchive = QStringLiteral("application/x-mimearchive");

// The files the script adds: an entry and an icon for each program, the help
// viewer's entry and the cache of the types the entries take.
constexpr int kFilesAdded = 6;

// The keys of the [Desktop Entry] group, their values as written.
QMap<QString, QString> readEntry(const QString& path) {
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inGroup = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(u'['))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.contains(u'='))
            keys.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    }
    return keys;
}

// A string value as the file holds it, unescaped.
QString unescapeString(const QString& value) {
    QString result;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            result += value[i];
            continue;
        }
        const QChar next = value[++i];
        result += next == u's'   ? QChar(u' ')
                  : next == u'n' ? QChar(u'\n')
                  : next == u't' ? QChar(u'\t')
                                 : next;
    }
    return result;
}

// The program an Exec value starts: its first argument, after the string
// escapes, the quoting and the "%%" of field codes are undone.
QString execProgram(const QString& value) {
    const QString exec = unescapeString(value);
    QString program;
    if (!exec.startsWith(u'"'))
        program = exec.section(u' ', 0, 0);
    else
        for (qsizetype i = 1; i < exec.size() && exec[i] != u'"'; ++i) {
            if (exec[i] == u'\\' && i + 1 < exec.size())
                ++i;
            program += exec[i];
        }
    return program.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

QByteArray fileHash(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Every file under folder with its contents' hash.
QMap<QString, QByteArray> tree(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDir dir(folder);
    for (const QFileInfo& info :
         dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (info.isDir())
            files.insert(tree(info.filePath()));
        else
            files.insert(info.filePath(), fileHash(info.filePath()));
    }
    return files;
}

} // namespace

class TestDesktopEntries : public QObject {
    Q_OBJECT
private slots:
    void entriesStartTheBuiltPrograms_data();
    void entriesStartTheBuiltPrograms();
    void webArchivesGoToTheHelpViewer_data();
    void webArchivesGoToTheHelpViewer();
    void runningAgainChangesNothingAndRemoveUndoesIt();
    void refusesAProgramNotBuilt();

private:
    // Runs the script on dataHome; its exit code.
    int run(const QString& dataHome, const QStringList& arguments);
    // The build folder a row names, made in builds; empty: the real one.
    QString buildFolder(const QString& buildName, const QTemporaryDir& builds);
    // Whether desktop-file-validate takes the entry without a word.
    void validate(const QString& path);
};

int TestDesktopEntries::run(const QString& dataHome, const QStringList& arguments) {
    QProcess script;
    script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    script.setStandardOutputFile(QProcess::nullDevice());
    script.start(QStringLiteral(DESKTOP_ENTRIES_SCRIPT),
                 QStringList{QStringLiteral("--data-home"), dataHome} + arguments);
    if (!script.waitForFinished(30000) || script.exitStatus() != QProcess::NormalExit)
        return -1;
    return script.exitCode();
}

QString TestDesktopEntries::buildFolder(const QString& buildName, const QTemporaryDir& builds) {
    if (buildName.isEmpty())
        return QDir(QStringLiteral(PROGRAM_DIR "/..")).absolutePath();
    const QString build = builds.filePath(buildName);
    if (!QDir().mkpath(build) ||
        !QFile::link(QStringLiteral(PROGRAM_DIR), build + QStringLiteral("/bin")))
        return {};
    return build;
}

void TestDesktopEntries::validate(const QString& path) {
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    QVERIFY2(!validator.isEmpty(), "desktop-file-validate is missing: run scripts/setup.sh");
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(validator, {path});
    QVERIFY(process.waitForFinished(10000));
    const QByteArray said = process.readAll();
    QVERIFY2(process.exitCode() == 0 && said.isEmpty(), qPrintable(path + u' ' + said));
}

void TestDesktopEntries::entriesStartTheBuiltPrograms_data() {
    QTest::addColumn<QString>("buildName"); // empty: the real build folder
    QTest::newRow("the build folder") << QString();
    QTest::newRow("a folder name a shell would expand")
        << QStringLiteral("my build $HOME \"1\" \\x `y`");
}

void TestDesktopEntries::entriesStartTheBuiltPrograms() {
    QFETCH(QString, buildName);
    QTemporaryDir dataHome;
    QTemporaryDir builds;
    const QString build = buildFolder(buildName, builds);
    QVERIFY(!build.isEmpty());
    QCOMPARE(run(dataHome.path(), {QStringLiteral("--build"), build}), 0);

    for (const Program& program : programs) {
        const QString path =
            dataHome.filePath(QStringLiteral("applications/%1.desktop").arg(program.name));
        validate(path);
        if (QTest::currentTestFailed())
            return;

        const QMap<QString, QString> entry = readEntry(path);
        const QString built = build + QStringLiteral("/bin/") + program.name;
        QCOMPARE(execProgram(entry.value(QStringLiteral("Exec"))), built);
        QCOMPARE(unescapeString(entry.value(QStringLiteral("TryExec"))), built);
        QVERIFY(QFileInfo(built).isExecutable());
        QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(entry.value(QStringLiteral("Name")).toLower(), program.name);
        for (const char* key : {"Name[ar]", "Comment[ar]", "GenericName[ar]"})
            QVERIFY2(entry.value(QLatin1String(key)).contains(QChar(u'\u0627')), key);

        // The icon by its name, in the folder of its size.
        QCOMPARE(entry.value(QStringLiteral("Icon")), program.name);
        const QString picture = QStringLiteral(SOURCE_DIR "/") + program.picture;
        const QSize size = QImage(picture).size();
        QVERIFY(!size.isEmpty());
        const QString icon = dataHome.filePath(QStringLiteral("icons/hicolor/%1x%2/apps/%3.png")
                                                   .arg(size.width())
                                                   .arg(size.height())
                                                   .arg(program.name));
        QCOMPARE(fileHash(icon), fileHash(picture));
    }
    QCOMPARE(tree(dataHome.path()).size(), kFilesAdded);
}

void TestDesktopEntries::webArchivesGoToTheHelpViewer_data() {
    entriesStartTheBuiltPrograms_data();
}

void TestDesktopEntries::webArchivesGoToTheHelpViewer() {
    QFETCH(QString, buildName);
    QTemporaryDir dataHome;
    QTemporaryDir builds;
    const QString build = buildFolder(buildName, builds);
    QVERIFY(!build.isEmpty());
    QCOMPARE(run(dataHome.path(), {QStringLiteral("--build"), build}), 0);

    const QString path = dataHome.filePath(kHelpEntry);
    validate(path);
    if (QTest::currentTestFailed())
        return;
    const QMap<QString, QString> entry = readEntry(path);
    const QString viewer = build + QStringLiteral("/bin/") + kHelpViewer;
    QVERIFY(QFileInfo(viewer).isExecutable());
    const QString exec = entry.value(QStringLiteral("Exec"));
    QCOMPARE(execProgram(exec), viewer);
    QVERIFY2(exec.endsWith(QStringLiteral(" %f")), qPrintable(exec));
    // xdg-open takes the command up to the first blank, quotes and all: a
    // path that needs no quotes has none.
    if (!viewer.contains(QRegularExpression(QStringLiteral("[\\s\"'\\\\<>~|&;$*?#()`%]"))))
        QCOMPARE(exec, viewer + QStringLiteral(" %f"));
    QCOMPARE(entry.value(QStringLiteral("MimeType")), kWebArchive + u';');
    QCOMPARE(entry.value(QStringLiteral("NoDisplay")), QStringLiteral("true"));

    // The type is known to go to the entry, which is no default for it.
    QFile cache(dataHome.filePath(QStringLiteral("applications/mimeinfo.cache")));
    QVERIFY(cache.open(QIODevice::ReadOnly | QIODevice::Text));
    QVERIFY(QString::fromUtf8(cache.readAll())
                .split(u'\n')
                .contains(kWebArchive + QStringLiteral("=orvanta-help.desktop;")));
    QVERIFY(!QFile::exists(dataHome.filePath(QStringLiteral("applications/mimeapps.list"))));
}

void TestDesktopEntries::runningAgainChangesNothingAndRemoveUndoesIt() {
    QTemporaryDir dataHome;
    // The user's own entries and icons stay as they are.
    const QString other = dataHome.filePath(QStringLiteral("applications/other.desktop"));
    const QString otherIcon =
        dataHome.filePath(QStringLiteral("icons/hicolor/64x64/apps/other.png"));
    QVERIFY(QDir().mkpath(QFileInfo(otherIcon).path()));
    QVERIFY(QDir().mkpath(QFileInfo(other).path()));
    for (const QString& path : {other, otherIcon}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the user's");
    }
    const QMap<QString, QByteArray> before = tree(dataHome.path());

    const QStringList build{QStringLiteral("--build"), QStringLiteral(PROGRAM_DIR "/..")};
    QCOMPARE(run(dataHome.path(), build), 0);
    const QMap<QString, QByteArray> once = tree(dataHome.path());
    QCOMPARE(once.size(), before.size() + kFilesAdded);
    QCOMPARE(run(dataHome.path(), build), 0);
    QCOMPARE(tree(dataHome.path()), once);

    QCOMPARE(run(dataHome.path(), {QStringLiteral("--remove")}), 0);
    QCOMPARE(tree(dataHome.path()), before);
    QCOMPARE(run(dataHome.path(), {QStringLiteral("--remove")}), 0);
}

void TestDesktopEntries::refusesAProgramNotBuilt() {
    QTemporaryDir dataHome;
    QTemporaryDir build;
    QCOMPARE(run(dataHome.path(), {QStringLiteral("--build"), build.path()}), 1);
    QVERIFY(!QFile::exists(dataHome.filePath(QStringLiteral("applications/orvanta.desktop"))));
    QVERIFY(!QFile::exists(dataHome.filePath(QStringLiteral("applications/velisar.desktop"))));
    QVERIFY(!QFile::exists(dataHome.filePath(kHelpEntry)));
}

QTEST_GUILESS_MAIN(TestDesktopEntries)
#include "test_desktop_entries.moc"
