#pragma once

#include <QString>
#include <functional>

// The verse record file: AppDir followed by "qor".
QString VerseFilePath();

// The existence test the program uses for its data files: a regular file
// counts whatever its permissions or a leading dot in its name; a folder, a
// missing path or a dangling link does not.
bool DataFileExists(const QString& path);

// Shows a message box with one OK button and no icon.
using ShowMessage = std::function<void(const QString& title, const QString& text)>;

inline const QString kMissingVerseFileTitle = QStringLiteral("Orvanta");
inline const QString kMissingVerseFileText = QStringLiteral("البرنامج لم يجد ملف  البيانات ");

// The start-up check: tells the user when the verse file is missing. The
// program carries on either way.
void CheckVerseFile(const ShowMessage& show);
