#include "orvanta/shell/switch_keyboard.h"

#include <QString>

void SwitchKeyboard(KeyboardLayouts& layouts, QStringView language) {
    const QString wanted = language.toString().toLower();
    if (wanted == u"a") {
        if (layouts.CurrentLayout() == kUsEnglishLayout)
            layouts.ActivateNext();
    } else if (wanted == u"e") {
        if (layouts.CurrentLayout() != kUsEnglishLayout)
            layouts.ActivatePrevious();
    }
}
