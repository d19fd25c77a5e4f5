#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The display font of the verse text boxes, as the font file keeps it.
struct FontSettingsValues {
    QString DisplayFontName = QStringLiteral("DecoType Naskh Special");
    qint16 DisplayFontSize = 25;
    // "True" or "False"; kept as text and only read as a flag when applied.
    QString DisplayFontBold = QStringLiteral("True");
};

// The values every window applies; the defaults until the first load.
const FontSettingsValues& FontSettings();

// Resets the shared values to the defaults, then overwrites them from the
// font file (FontFilePath()). A missing or unreadable file leaves the
// defaults.
void LoadFontSettings();

// Reads a font file: groups of three lines (name, size, bold), the last
// complete group winning. A group with fewer than three lines is ignored. A
// size line that is not a whole 16-bit number stops the reading there: the
// group's name has already been taken, its size and bold have not.
FontSettingsValues ReadFontSettings(const QString& path);

// Replaces the font file with one group of three lines: the name and the
// size as given, and the bold line ("True" or "False"). The folder is made
// first; the file is replaced whole or not at all. False when it could not
// be written.
bool WriteFontSettings(const QString& path, const QString& name, const QString& size,
                       const QString& bold);

// A typed font size as a number of points, in single precision: blanks
// around it allowed, a fraction too. No value for text that is no number.
std::optional<float> FontSizeValue(QStringView text);

// The bold line read as a flag: "True" or "False" in any letter case, blanks
// around allowed. Anything else has no value, and applying it fails.
std::optional<bool> BoldFlag(QStringView text);
