#pragma once

#include <QString>

// A message box of Velisar: one OK button, the text aligned to the right,
// titled with the program's name. The window shows it; the texts are made
// here so that they are the same wherever they come from.
struct VelisarMessage {
    enum class Icon { Stop, Information };

    QString title;
    QString text;
    Icon icon = Icon::Information;
};

inline const QString kVelisarTitle = QStringLiteral("Velisar");

// File codes of the two data files in the missing-file message.
inline const QString kVocalizedFileCode = QStringLiteral("1 T");
inline const QString kPlainFileCode = QStringLiteral("2");

// A data file is missing: the program cannot search and ends after this.
VelisarMessage missingFileMessage(const QString& fileCode);

// The search found nothing, or was stopped before its first hit.
VelisarMessage notFoundMessage(const QString& query);
