#pragma once

// What the benchmarks share to turn their runs into figures.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <algorithm>

// The median of a list of figures: the middle one, or the mean of the two
// middle ones when the count is even; 0 for no figures.
template <typename Figures> double median(Figures figures) {
    if (figures.empty())
        return 0;
    std::sort(figures.begin(), figures.end());
    const auto n = figures.size();
    return n % 2 ? figures[n / 2] : (figures[n / 2 - 1] + figures[n / 2]) / 2.0;
}

// A process's peak resident memory (VmHWM) in kB, by default this process's;
// -1 when it cannot be read.
inline qint64 peakMemoryKb(qint64 pid = 0) {
    QFile status(pid ? QStringLiteral("/proc/%1/status").arg(pid)
                     : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}
