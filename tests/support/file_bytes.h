#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A file's bytes, or "(no file)" when it cannot be read: a missing file then
// shows as such in a failed comparison.
inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no file)");
}
