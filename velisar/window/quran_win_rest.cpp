// The finder window between uses: its load, its rest on the taskbar, the
// wake-up when it is restored, the Cancel button and the end of the program.
#include "velisar/engine/clean_search_text.h"
#include "velisar/window/finder_texts.h"
#include "velisar/window/help_pages.h"
#include "velisar/window/keyboard_layout.h"
#include "velisar/window/picture_button.h"
#include "velisar/window/quran_win.h"
#include "velisar/window/velisar_message_box.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

bool QuranWin::Form_Load() {
    // A second Velisar ends before it shows or loads anything.
    if (!instance_.claim())
        return false;
    hide();
    restoreNormalState();
    yieldToEvents();

    Show_Wait_Meassage();
    search_.clearStopRequest();
    texts_.Fill_Sora_Names();
    const auto showMessage = [](const VelisarMessage& message) {
        showVelisarMessage(nullptr, message);
    };
    if (texts_.Open_Moshaf_Data_File(programFolder_, showMessage) == LoadOutcome::EndProgram) {
        End_Prg_Cmd_Click();
        return false;
    }

    Show_Icon_Window();
    raise();
    yieldToEvents();
    link_.Search_4User_Text_In_Quran();
    if (ended_)
        return false;
    if (trimSpaces(Text1->text()).isEmpty())
        Cancel_Cmd->setToolTip(kCancelSearchSpacedTip);
    keyboard_.activateArabic();
    yieldToEvents();
    show();
    activateWindow();
    yieldToEvents();
    return !ended_;
}

void QuranWin::Show_Icon_Window() {
    QRsult->hide();
    QRsult->clear();
    Search_Count->clear();
    EsmASora_Lab->clear();
    Text1->clear();
    link_.releaseWordApp();
    yieldToEvents();
    search_.clearResults();
    yieldToEvents();
    setEnabled(true);
    yieldToEvents();
    setTag(kStateResting);
    setWindowTitle(quranWinCaption());
    yieldToEvents();
    yieldToEvents();
}

void QuranWin::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void QuranWin::Form_Resize() {
    if (Tag() == kStateLayingOut)
        return;
    // Only a window restored from rest wakes up; minimising and restoring
    // an awake one leaves it as it was.
    if (Tag() != kStateResting || (windowState() & Qt::WindowMinimized) || ended_)
        return;
    show();
    setEnabled(true);
    link_.Search_4User_Text_In_Quran();
    if (!ended_ && trimSpaces(Text1->text()).isEmpty())
        Cancel_Cmd->setToolTip(kCancelSearchSpacedTip);
}

void QuranWin::Cancel_Cmd_Click() {
    hideCopyAndHelpButtons();
    yieldToEvents();
    search_.requestStop();
    if (searchIsRunning())
        return;
    Form_Unload(1);
    yieldToEvents();
}

void QuranWin::closeEvent(QCloseEvent* event) {
    // The close box and the system end the program; only Cancel rests.
    Form_Unload(0);
    event->accept();
}

void QuranWin::Form_Unload(int cancel) {
    if (cancel == 0) {
        End_Prg_Cmd_Click();
        return;
    }
    Show_Icon_Window();
    minimizeWindow();
    yieldToEvents();
    Text1->clear();
    Search_Count->clear();
    EsmASora_Lab->clear();
    yieldToEvents();
    search_.clearStopRequest();
    yieldToEvents();
}

void QuranWin::End_Prg_Cmd_Click() {
    if (ended_)
        return;
    ended_ = true;
    // A running search stops at its next check and shows nothing more.
    search_.requestStop();
    link_.releaseWordApp();
    hide();
    if (endProgram_)
        endProgram_();
}
