#include "velisar/window/text1_keys.h"

#include "common/cp1256.h"

#include <QtCore/qnamespace.h>

Text1Key classifyText1Key(int key, const QString& keyText) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Text1Key::Search;
    case Qt::Key_Escape:
        return Text1Key::StopSearch;
    case Qt::Key_Backspace:
        return Text1Key::Accept;
    }
    if (keyText.isEmpty())
        return Text1Key::Accept;
    const QChar ch = keyText.front();
    switch (ch.unicode()) {
    case u'\r':
        return Text1Key::Search;
    case 0x1b:
        return Text1Key::StopSearch;
    case u'*':
    case u' ':
    case u'\b':
        return Text1Key::Accept;
    default:
        // A character the code page lacks counts as "?" and is refused.
        return cp1256::code(ch) >= 128 ? Text1Key::Accept : Text1Key::Discard;
    }
}
