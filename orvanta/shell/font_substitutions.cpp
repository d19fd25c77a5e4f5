#include "orvanta/shell/font_substitutions.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutions() {
    const QStringList naskh = {QStringLiteral("Amiri"), QStringLiteral("Noto Naskh Arabic")};
    const QStringList sans = {QStringLiteral("Noto Sans Arabic"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("DecoType Naskh Special"), naskh);
    QFont::insertSubstitutions(QStringLiteral("Traditional Arabic"), naskh);
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               naskh + QStringList{QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Simplified Arabic"),
                               {QStringLiteral("Noto Naskh Arabic"), QStringLiteral("Amiri")});
    QFont::insertSubstitutions(QStringLiteral("Andalus"),
                               {QStringLiteral("Noto Kufi Arabic"), QStringLiteral("Amiri")});
    QFont::insertSubstitutions(QStringLiteral("Arabic Transparent"), sans);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), sans);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
}
