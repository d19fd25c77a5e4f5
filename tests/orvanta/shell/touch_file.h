#pragma once

#include "orvanta/store/user_files.h"

#include <QFile>

// Makes an empty file, and its folder when missing.
inline bool touch(const QString& path) {
    MakeFolderFor(path);
    QFile f(path);
    return f.open(QIODevice::WriteOnly);
}
