// Velisar: finds the verses that hold the words selected in the word
// processor (or typed into its box) and puts the chosen one in their place.
#include "velisar/link/libreoffice/writer_link.h"
#include "velisar/link/libreoffice/writer_pipe_name.h"
#include "velisar/window/keyboard_layout.h"
#include "velisar/window/quran_win.h"
#include "velisar/window/single_instance.h"
#include "velisar/window/velisar_fonts.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velisar"));
    // Ties the window to the menu entry scripts/setup.sh installs.
    QGuiApplication::setDesktopFileName(QStringLiteral("velisar"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    mapVelisarFonts();

    // The word processor Velisar works beside: the user's own Writer, on the
    // pipe that scripts/writer-listen.sh makes it open for this login.
    const std::unique_ptr<WordProcessor> wordProcessor =
        std::make_unique<WriterLink>(writerPipeName());
    const std::unique_ptr<KeyboardLayout> keyboard = systemKeyboardLayout();

    QuranWin window(*wordProcessor, *keyboard,
                    {QApplication::applicationDirPath(), SingleInstance::defaultLockFilePath()});
    if (!window.Form_Load())
        return 0;
    return app.exec();
}
