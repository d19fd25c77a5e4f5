#pragma once

#include <QString>

class QWidget;

// Types text into a widget one key event per character. QTest::keyClicks
// cannot type Arabic; this can, and plain ASCII too.
void typeText(QWidget* widget, const QString& text);
