// Prints how long Orvanta takes from the start of its process until its start
// screen is on the X server's screen, and the process's peak memory, as
// medians of several runs of the real program (build/bin/orvanta). The
// program takes no command line, so it is watched from outside: the X
// server's top-level windows are polled for a mapped one of the program's
// process that covers the screen. Run it on an X server, for instance
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/bench_start_screen
// The program runs in a home folder of its own, made for the runs and removed
// after them: its start-up removes files from the user's data folder.
// Not a test: it only prints. Goals: 400 ms and 80 MB.

#include "tests/support/bench_figures.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr int kGiveUpMilliseconds = 10000;
// Long enough for the start screen's first activation: its half-second
// wait, the greeting and the removal of the installer's leftover.
constexpr int kSettleMilliseconds = 1500;

std::optional<long> windowPid(Display* display, Window window, Atom pidAtom) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::optional<long> pid;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data && count == 1 && format == 32)
        pid = *reinterpret_cast<long*>(data);
    if (data)
        XFree(data);
    return pid;
}

// Whether the process has a viewable top-level window as large as the screen.
bool startScreenShown(Display* display, qint64 pid) {
    const Window root = DefaultRootWindow(display);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Window rootReturn = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, root, &rootReturn, &parent, &children, &count))
        return false;
    const int screenWidth = DisplayWidth(display, DefaultScreen(display));
    const int screenHeight = DisplayHeight(display, DefaultScreen(display));
    bool shown = false;
    for (unsigned int i = 0; i < count && !shown; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(display, children[i], &a) || a.map_state != IsViewable)
            continue;
        // A window manager puts the program's window into a frame of its own.
        const bool large = a.width >= screenWidth * 9 / 10 && a.height >= screenHeight * 8 / 10;
        if (!large)
            continue;
        const std::optional<long> owner = windowPid(display, children[i], pidAtom);
        if (owner && *owner == pid) {
            shown = true;
            continue;
        }
        Window r = 0;
        Window p = 0;
        Window* inner = nullptr;
        unsigned int innerCount = 0;
        if (XQueryTree(display, children[i], &r, &p, &inner, &innerCount)) {
            for (unsigned int k = 0; k < innerCount && !shown; ++k) {
                const std::optional<long> o = windowPid(display, inner[k], pidAtom);
                shown = o && *o == pid;
            }
            if (inner)
                XFree(inner);
        }
    }
    if (children)
        XFree(children);
    return shown;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "bench_start_screen: no X server; run it under xvfb-run\n");
        return 2;
    }
    const QString program = QStringLiteral(PROGRAM_DIR "/orvanta");
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "bench_start_screen: cannot make a home folder for the runs\n");
        return 1;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        environment.remove(QLatin1String(name));
    std::vector<double> shownMs;
    std::vector<double> peakMb;
    std::printf("Orvanta from process start to start screen shown, %d runs:\n", kRuns);
    for (int run = 1; run <= kRuns; ++run) {
        QProcess orvanta;
        orvanta.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        orvanta.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        orvanta.start(program, {});
        if (!orvanta.waitForStarted()) {
            std::fprintf(stderr, "bench_start_screen: cannot start %s\n", qPrintable(program));
            return 1;
        }
        bool shown = false;
        while (clock.elapsed() < kGiveUpMilliseconds && orvanta.state() == QProcess::Running) {
            if ((shown = startScreenShown(display, orvanta.processId())))
                break;
            QThread::usleep(500);
        }
        const double ms = clock.nsecsElapsed() / 1e6;
        if (!shown) {
            std::fprintf(stderr, "bench_start_screen: no start screen within %d ms\n",
                         kGiveUpMilliseconds);
            orvanta.kill();
            orvanta.waitForFinished();
            return 1;
        }
        QThread::msleep(kSettleMilliseconds);
        const double mb = peakMemoryKb(orvanta.processId()) / 1024.0;
        orvanta.kill();
        orvanta.waitForFinished();
        shownMs.push_back(ms);
        peakMb.push_back(mb);
        std::printf("  run %d: shown after %6.1f ms, peak memory %5.1f MB\n", run, ms, mb);
    }
    std::printf("median: start screen shown after %.1f ms (goal 400 ms), peak memory %.1f MB "
                "(goal 80 MB)\n",
                median(shownMs), median(peakMb));
    XCloseDisplay(display);
    return 0;
}
