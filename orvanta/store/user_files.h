#pragma once

#include <QString>
#include <QStringView>

// The files Orvanta keeps for the user: the results of the last search, the
// display font, and the installer's leftover. On Windows they stand at fixed
// places on drive C; here they live in the user's data folder, and this is
// the one place that says where.

// The user's data folder for Orvanta (~/.local/share/Orvanta), without a
// trailing separator. Tests switch QStandardPaths to test mode first.
QString UserDataFolder();

// Where a Windows path of the program lands: the drive is dropped (in either
// letter case), backslashes become folders under UserDataFolder(). So
// "C:\find" and "c:\find" name the same file.
QString UserPath(QStringView windowsPath);

// The named files.
QString ResultsFilePath();       // "C:\find"
QString FontFilePath();          // "c:\kt"
QString LeftoverInstallerPath(); // "C:\Program Files\Orvanta1\setup.exe"

// Creates the folder a user file lives in, so it can be written.
bool MakeFolderFor(const QString& filePath);
