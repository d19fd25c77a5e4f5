#include "support/typing.h"

#include <QTest>

void typeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}
