#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A LibreOffice Writer of the test's own: headless, on a throw-away profile,
// listening on a pipe named for this test process, and stopped by its PID.
// It needs no display. The first start on a fresh profile takes a few
// seconds while the office completes the profile.
class HeadlessWriter {
public:
    HeadlessWriter();
    ~HeadlessWriter();
    HeadlessWriter(const HeadlessWriter&) = delete;
    HeadlessWriter& operator=(const HeadlessWriter&) = delete;

    // The pipe the office is told to accept on, unique to this process.
    QString pipeName() const { return pipeName_; }
    // The profile folder (the office's user installation).
    QString profileDir() const { return profile_.path(); }

    // Starts the office and waits until it accepts on readyPipe (by default
    // pipeName()). With accept false the office gets no --accept option and
    // listens only where its profile tells it to. False when it does not
    // answer within the time.
    bool start(bool accept = true, const QString& readyPipe = {});
    bool isRunning() const { return officePid_ != 0; }

    // The office process (soffice.bin, a child of the launcher).
    qint64 officePid() const { return officePid_; }

    void stop();     // SIGTERM, as a desktop session ends it
    void kill();     // SIGKILL: the office dies mid-session
    void freeze();   // SIGSTOP: the office stops answering
    void unfreeze(); // SIGCONT

    // Whether an office accepts on pipe right now.
    static bool accepts(const QString& pipe);

private:
    qint64 findOffice() const;
    static void removeSockets(const QStringList& paths);

    QTemporaryDir profile_;
    QString pipeName_;
    QProcess launcher_;
    qint64 officePid_ = 0;
};
