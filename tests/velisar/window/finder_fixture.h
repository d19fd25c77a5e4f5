#pragma once

#include "fake_word_processor.h"
#include "velisar/window/keyboard_layout.h"
#include "velisar/window/quran_win.h"

#include <QTemporaryDir>
#include <QWidget>

class QListWidget;

// Counts the switches to the Arabic layout instead of making them.
struct CountingKeyboardLayout : KeyboardLayout {
    void activateArabic() override { ++switches; }
    int switches = 0;
};

// A finder window over the real data files, with a fake word processor
// (not running unless a test says so), a keyboard switch that is only
// counted, its own lock file, and an end of program that is only counted.
struct FinderFixture {
    explicit FinderFixture(const QString& programFolder = QStringLiteral(PROGRAM_DIR));
    // The same window beside another word processor, a real Writer's link;
    // the fake is then left unused.
    explicit FinderFixture(WordProcessor& inUse,
                           const QString& programFolder = QStringLiteral(PROGRAM_DIR));

    // Form_Load, then waits until the window is active.
    bool load();

    template <typename T> T* control(const QString& name) const {
        T* found = window.findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    QString lockFilePath() const { return lockDir.filePath(QStringLiteral("velisar.lock")); }

    FakeWordProcessor wordProcessor;
    CountingKeyboardLayout keyboard;
    QTemporaryDir lockDir;
    QuranWin window;
    int ended = 0;
};

// Types a query into the window's text box, over whatever it held, and
// presses Enter.
void search(FinderFixture& f, const QString& query);

// A double click on a row of a list, as the user makes it: QTest's double
// click is the second click alone.
void doubleClick(QListWidget* list, int row);
