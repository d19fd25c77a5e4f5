#include "orvanta/shell/apply_display_font.h"

#include <QWidget>
#include <functional>

namespace {

bool setFamily(QWidget* box, const QString& name) {
    QFont font = box->font();
    font.setFamily(name);
    box->setFont(font);
    return true;
}

bool setSize(QWidget* box, double points) {
    if (!IsFontSizeUsable(points))
        return false;
    QFont font = box->font();
    font.setPointSizeF(points);
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

bool ApplyDisplayFont(QWidget* textBox, const FontSettingsValues& settings, FontErrorStyle style) {
    const std::function<bool()> steps[] = {
        [&] { return setFamily(textBox, kFallbackFontName); },
        [&] { return setFamily(textBox, settings.DisplayFontName); },
        // The size goes through single precision, as the text box keeps it.
        [&] { return setSize(textBox, static_cast<float>(settings.DisplayFontSize)); },
        [&] { return setBold(textBox, settings.DisplayFontBold); },
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
