#pragma once

#include <QString>

class QWidget;

// The program's message box: one OK button, no icon, the text right-aligned
// and right to left. Confirmations are titled "Orvanta", refusals "عفوا".
void ShowMessageBox(QWidget* owner, const QString& title, const QString& text);

inline const QString kProgramTitle = QStringLiteral("Orvanta");
inline const QString kRefusalTitle = QStringLiteral("عفوا");
