#include "headless_writer.h"

#include "velisar/link/libreoffice/writer_link.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QThread>
#include <QUrl>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace {

int instanceCount = 0;

// A process's name, state letter and parent, from its line
// "pid (comm) state ppid ..."; all empty when the process is gone.
struct ProcessStat {
    QString comm;
    QChar state;
    QString parent;
};

ProcessStat processStat(const QString& pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QString line = QString::fromLocal8Bit(stat.readAll());
    const qsizetype open = line.indexOf(u'(');
    const qsizetype close = line.lastIndexOf(u')');
    const QStringList rest = line.mid(close + 2).split(u' ');
    const QString state = rest.value(0);
    return {line.mid(open + 1, close - open - 1), state.isEmpty() ? QChar() : state[0],
            rest.value(1)};
}

QChar processState(qint64 pid) {
    return processStat(QString::number(pid)).state;
}

// The paths of the Unix sockets a process listens on: the office's pipes.
QStringList socketPaths(qint64 pid) {
    QSet<QString> inodes;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString& fd : fds.entryList(QDir::System | QDir::NoDotAndDotDot)) {
        char target[64] = {};
        // A socket reads "socket:[inode]".
        if (readlink(QFile::encodeName(fds.filePath(fd)).constData(), target, sizeof target - 1) >
                0 &&
            std::strncmp(target, "socket:[", 8) == 0)
            inodes.insert(QString::fromLatin1(target + 8).chopped(1));
    }
    QStringList paths;
    QFile table(QStringLiteral("/proc/net/unix"));
    if (!table.open(QIODevice::ReadOnly))
        return paths;
    // "Num RefCount Protocol Flags Type St Inode Path"
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() == 8 && inodes.contains(QString::fromLatin1(fields[6])))
            paths << QString::fromLocal8Bit(fields[7]);
    }
    return paths;
}

} // namespace

HeadlessWriter::HeadlessWriter()
    : pipeName_(QStringLiteral("velisar_test_%1_%2")
                    .arg(QCoreApplication::applicationPid())
                    .arg(++instanceCount)) {
    launcher_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    launcher_.setStandardOutputFile(QProcess::nullDevice());
}

HeadlessWriter::~HeadlessWriter() {
    stop();
}

bool HeadlessWriter::accepts(const QString& pipe) {
    WriterLink probe(pipe, std::chrono::seconds(5));
    return probe.attach();
}

bool HeadlessWriter::start(bool accept, const QString& readyPipe) {
    QStringList arguments{QStringLiteral("-env:UserInstallation=") +
                              QUrl::fromLocalFile(profileDir()).toString(),
                          QStringLiteral("--headless"),
                          QStringLiteral("--invisible"),
                          QStringLiteral("--norestore"),
                          QStringLiteral("--nologo"),
                          QStringLiteral("--nodefault")};
    if (accept)
        arguments << QStringLiteral("--accept=pipe,name=%1;urp;StarOffice.ComponentContext")
                         .arg(pipeName_);
    launcher_.start(QStringLiteral("soffice"), arguments);
    if (!launcher_.waitForStarted(10000))
        return false;
    const QString pipe = readyPipe.isEmpty() ? pipeName_ : readyPipe;
    // A fresh profile makes the first start slow, and the office restarts
    // itself once early on while it completes the profile; the first one
    // may already answer. Ready is two answers, a moment apart, from the
    // same office process.
    const QDeadlineTimer deadline(90000);
    qint64 answered = 0;
    while (!deadline.hasExpired()) {
        if (launcher_.state() == QProcess::NotRunning)
            return false;
        if (accepts(pipe)) {
            const qint64 office = findOffice();
            if (office != 0 && office == answered) {
                officePid_ = office;
                return true;
            }
            answered = office;
            QThread::msleep(500);
            continue;
        }
        answered = 0;
        QThread::msleep(200);
    }
    return false;
}

qint64 HeadlessWriter::findOffice() const {
    // The launcher script hands over to oosplash, which runs soffice.bin as
    // its child.
    const QString launcher = QString::number(launcher_.processId());
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        const ProcessStat process = processStat(entry);
        if (process.comm == QLatin1String("soffice.bin") && process.parent == launcher)
            return entry.toLongLong();
    }
    return 0;
}

void HeadlessWriter::stop() {
    if (officePid_ == 0 && launcher_.state() != QProcess::NotRunning)
        officePid_ = findOffice(); // one that never got ready
    const QStringList sockets = socketPaths(officePid_);
    if (officePid_ != 0) {
        ::kill(pid_t(officePid_), SIGCONT);
        ::kill(pid_t(officePid_), SIGTERM);
    }
    if (launcher_.state() != QProcess::NotRunning && !launcher_.waitForFinished(20000)) {
        if (officePid_ != 0)
            ::kill(pid_t(officePid_), SIGKILL);
        launcher_.kill();
        launcher_.waitForFinished(5000);
    }
    officePid_ = 0;
    removeSockets(sockets);
}

void HeadlessWriter::kill() {
    const QStringList sockets = socketPaths(officePid_);
    if (officePid_ != 0)
        ::kill(pid_t(officePid_), SIGKILL);
    launcher_.waitForFinished(10000);
    officePid_ = 0;
    removeSockets(sockets);
}

void HeadlessWriter::removeSockets(const QStringList& paths) {
    // An office that does not quit by itself leaves its pipes behind in
    // /tmp; their names are this office's own.
    for (const QString& path : paths)
        QFile::remove(path);
}

void HeadlessWriter::freeze() {
    if (officePid_ == 0)
        return;
    ::kill(pid_t(officePid_), SIGSTOP);
    // The signal takes effect a little later; until then the office still
    // answers calls.
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired() && processState(officePid_) != u'T')
        QThread::msleep(5);
}

void HeadlessWriter::unfreeze() {
    if (officePid_ != 0)
        ::kill(pid_t(officePid_), SIGCONT);
}
