#include "orvanta/shell/xkb_layout_names.h"

#include "orvanta/shell/keyboard_layouts.h"

#include <QString>

namespace {

// Symbol files that add options rather than a layout of their own.
bool isOptionPart(QStringView name) {
    static const QStringList kOptions = {
        QStringLiteral("pc"),      QStringLiteral("inet"),      QStringLiteral("group"),
        QStringLiteral("ctrl"),    QStringLiteral("compose"),   QStringLiteral("level3"),
        QStringLiteral("level5"),  QStringLiteral("lv3"),       QStringLiteral("lv5"),
        QStringLiteral("altwin"),  QStringLiteral("caps"),      QStringLiteral("capslock"),
        QStringLiteral("keypad"),  QStringLiteral("kpdl"),      QStringLiteral("nbsp"),
        QStringLiteral("japan"),   QStringLiteral("korean"),    QStringLiteral("terminate"),
        QStringLiteral("shift"),   QStringLiteral("srvr_ctrl"), QStringLiteral("mod_led"),
        QStringLiteral("grp_led"), QStringLiteral("eurosign"),  QStringLiteral("rupeesign"),
        QStringLiteral("evdev"),   QStringLiteral("aliases")};
    return kOptions.contains(name.toString());
}

} // namespace

QStringList XkbLayoutsFromSymbols(QStringView symbols) {
    QStringList layouts;
    for (QStringView part : symbols.split(u'+')) {
        qsizetype colon = part.indexOf(u':');
        const QStringView spec = colon < 0 ? part : part.left(colon);
        const QStringView file =
            spec.left(spec.indexOf(u'(') < 0 ? spec.size() : spec.indexOf(u'('));
        if (file.isEmpty() || isOptionPart(file))
            continue;
        int group = 1;
        if (colon >= 0) {
            bool ok = false;
            group = part.mid(colon + 1).toInt(&ok);
            if (!ok || group < 1 || group > 4)
                continue;
        } else if (!layouts.isEmpty()) {
            // Without a group number only the first layout stands; later
            // parts without one modify it.
            continue;
        }
        while (layouts.size() < group)
            layouts.append(QString());
        layouts[group - 1] = spec.toString();
    }
    return layouts;
}

quint32 InputLocaleOfXkbLayout(QStringView layout) {
    if (layout == u"us")
        return kUsEnglishLayout;
    if (layout == u"ara")
        return kArabicLayout;
    if (layout == u"gb")
        return kUkEnglishLayout;
    return 0;
}
