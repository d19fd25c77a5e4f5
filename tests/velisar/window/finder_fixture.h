#pragma once

#include "fake_word_processor.h"
#include "velisar/window/keyboard_layout.h"
#include "velisar/window/quran_win.h"

#include <QTemporaryDir>
#include <QWidget>

// A finder window over the real data files, with a fake word processor
// (not running unless a test says so), no keyboard switch, its own lock
// file, and an end of program that is only counted.
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
    NoKeyboardLayout keyboard;
    QTemporaryDir lockDir;
    QuranWin window;
    int ended = 0;
};
