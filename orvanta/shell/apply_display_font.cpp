#include "orvanta/shell/apply_display_font.h"

#include <QWidget>
#include <functional>

namespace {

bool setFamily(QWidget* box, const QString& name) {
    SetFontName(box, name);
    return true;
}

bool setSize(QWidget* box, std::optional<double> points) {
    if (!points || !IsFontSizeUsable(*points))
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
    const std::function<bool()> steps[] = {
        [&] { return setFamily(textBox, kFallbackFontName); },
        [&] { return setFamily(textBox, name); },
        [&] { return setSize(textBox, points); },
        [&] { return setBold(textBox, bold); },
    };
    bool allDone = true;
    for (const auto& step : steps) {
        if (step())
            continue;
        allDone = false;
        if (style == FontErrorStyle::StopAndFallBack) {
            setFamily(textBox, kFallbackFontName);
            break;
        }
    }
    return allDone;
}
