#include "velisar/window/velisar_fonts.h"

#include <QFont>
#include <QStringList>

void mapVelisarFonts() {
    QFont::insertSubstitutions(QStringLiteral("Traditional Arabic"),
                               {QStringLiteral("Amiri"), QStringLiteral("Noto Naskh Arabic")});
    QFont::insertSubstitutions(QStringLiteral("Simplified Arabic"),
                               {QStringLiteral("Noto Sans Arabic"), QStringLiteral("DejaVu Sans")});
}
