#pragma once

#include "orvanta/shell/font_settings.h"

#include <optional>

class QWidget;

// What a window does when a step of applying the display font fails.
enum class FontErrorStyle {
    // Skip the failing step and go on with the next (the results window).
    SkipFailedStep,
    // Stop at the failing step and show the text box in "MS Sans Serif"
    // (the browser).
    StopAndFallBack,
};

// Sets a verse text box's font from the settings in four steps: the name
// "MS Sans Serif", the settings' name, the size, bold. The size fails when no
// text box can take it (not above 0, or above 2160 points), bold when its
// text is not a flag (BoldFlag). Returns whether every step succeeded.
bool ApplyDisplayFont(QWidget* textBox, const FontSettingsValues& settings, FontErrorStyle style);

// The same four steps with a size that may be missing, as a size typed into
// the font dialog is when it is no number: then the size step fails.
bool ApplyDisplayFont(QWidget* textBox, const QString& name, std::optional<double> points,
                      const QString& bold, FontErrorStyle style);

// Sets only the name of a text box's font.
void SetFontName(QWidget* textBox, const QString& name);

inline const QString kFallbackFontName = QStringLiteral("MS Sans Serif");
