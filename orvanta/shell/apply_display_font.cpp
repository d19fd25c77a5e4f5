#include "orvanta/shell/apply_display_font.h"

#include <QWidget>

namespace {

// A text box takes a font size above 0 and up to 2160 points.
bool isFontSizeUsable(double points) {
    return points > 0 && points <= 2160;
}

bool setSize(QWidget* box, std::optional<double> points) {
    if (!points || !isFontSizeUsable(*points))
        return false;
    QFont font = box->font();
    font.setPointSizeF(*points);
    box->setFont(font);
    return true;
}

bool setBold(QWidget* box, const QString& text) {
    const std::optional<bool> bold = BoldFlag(text);
    if (!bold)
        return false;
    QFont font = box->font();
    font.setBold(*bold);
    box->setFont(font);
    return true;
}

} // namespace

void SetFontName(QWidget* textBox, const QString& name) {
    QFont font = textBox->font();
    font.setFamily(name);
    textBox->setFont(font);
}

bool ApplyDisplayFont(QWidget* textBox, const FontSettingsValues& settings, FontErrorStyle style) {
    // The size goes through single precision, as the text box keeps it.
    return ApplyDisplayFont(textBox, settings.DisplayFontName,
                            static_cast<float>(settings.DisplayFontSize), settings.DisplayFontBold,
                            style);
}

bool ApplyDisplayFont(QWidget* textBox, const QString& name, std::optional<double> points,
                      const QString& bold, FontErrorStyle style) {
    // Setting a name cannot fail; the size and bold can.
    SetFontName(textBox, kFallbackFontName);
    SetFontName(textBox, name);
    const bool stop = style == FontErrorStyle::StopAndFallBack;
    const bool sized = setSize(textBox, points);
    if (!sized && stop) {
        SetFontName(textBox, kFallbackFontName);
        return false;
    }
    const bool bolded = setBold(textBox, bold);
    if (!bolded && stop)
        SetFontName(textBox, kFallbackFontName);
    return sized && bolded;
}
