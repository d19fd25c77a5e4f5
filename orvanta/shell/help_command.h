#pragma once

#include <QString>

class QWidget;

// The help document: AppDir followed by "help.mht".
QString HelpFilePath();

inline const QString kHelpMissingText = QStringLiteral("ملف التعليمات غير موجود");

// The help command ("تعليمات"): opens the help document with the desktop's
// program for it, or tells the user, titled "عفوا", that it is missing. A
// file counts whatever its permissions; a folder of that name does not.
void ShowHelp(QWidget* owner);
