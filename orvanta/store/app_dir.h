#pragma once

#include <QString>

// The program folder with one trailing separator. Every data file the
// program reads ("qor", the sound, the help document) lies there.
const QString& AppDir();

// Fixes AppDir to another folder; used before the first scan, by tests that
// run the store against a fixture folder.
void SetAppDir(const QString& folder);

// A folder path with exactly one trailing separator: a path that already
// ends with one (the file system root "/") keeps it.
QString withTrailingSeparator(const QString& folder);
