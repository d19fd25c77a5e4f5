#include "velisar/link/libreoffice/complex_script.h"

#include <QChar>
#include <QList>

namespace {

bool isComplex(char32_t c) {
    switch (QChar::script(c)) {
    case QChar::Script_Arabic:
    case QChar::Script_Hebrew:
    case QChar::Script_Syriac:
    case QChar::Script_Thaana:
    case QChar::Script_Nko:
    case QChar::Script_Devanagari:
    case QChar::Script_Bengali:
    case QChar::Script_Gurmukhi:
    case QChar::Script_Gujarati:
    case QChar::Script_Oriya:
    case QChar::Script_Tamil:
    case QChar::Script_Telugu:
    case QChar::Script_Kannada:
    case QChar::Script_Malayalam:
    case QChar::Script_Sinhala:
    case QChar::Script_Thai:
    case QChar::Script_Lao:
    case QChar::Script_Tibetan:
    case QChar::Script_Myanmar:
    case QChar::Script_Khmer:
        return true;
    default:
        return false;
    }
}

} // namespace

bool containsComplexScript(QStringView text) {
    for (char32_t c : text.toUcs4()) {
        if (isComplex(c))
            return true;
    }
    return false;
}
