#include "orvanta/search/copy_commands.h"

#include "orvanta/search/copy_texts.h"
#include "orvanta/search/results_window.h"
#include "orvanta/shell/message_box.h"
#include "orvanta/shell/switch_keyboard.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/store/user_files.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>

namespace {

void putOnClipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

} // namespace

CopyCommands::CopyCommands(ResultsWindow* window, KeyboardLayouts& layouts)
    : QObject(window), window_(window), layouts_(&layouts) {
    const ResultsMenu& menu = window->Menu();
    window->ConnectCommand(menu.coa, [this] { coa(); });
    window->ConnectCommand(menu.cot, [this] { cot(); });
    window->ConnectCommand(menu.cop_2, [this] { cop_2(); });
    window->ConnectCommand(menu.cop_3, [this] { cop_3(); });
}

void CopyCommands::coa() {
    SwitchKeyboard(*layouts_, u"a");
    const QString verse = window_->Controls().Text1->Text();
    if (verse.isEmpty()) {
        ShowMessageBox(window_, kRefusalTitle, kNothingToCopyText);
        return;
    }
    putOnClipboard(verse);
    ShowMessageBox(window_, kProgramTitle, VerseCopiedText());
}

void CopyCommands::cot() {
    const ResultsControls& c = window_->Controls();
    const QString verse = c.Text1->Text();
    if (verse.isEmpty()) {
        ShowMessageBox(window_, kRefusalTitle, kNothingToCopyText);
        return;
    }
    SwitchKeyboard(*layouts_, u"a");
    const VisibleTafsir visible{!c.Text2[0]->isHidden(), !c.Text2[1]->isHidden()};
    putOnClipboard(ShownVerseWithTafsir(verse, c.Text2[0]->Text(), c.Text2[1]->Text(), visible));
    ShowMessageBox(window_, kProgramTitle, VerseAndTafsirCopiedText());
}

void CopyCommands::cop_2() {
    copyMarked(false);
}

void CopyCommands::cop_3() {
    copyMarked(true);
}

void CopyCommands::copyMarked(bool withTafsir) {
    const ResultsControls& c = window_->Controls();
    QStringList markedIds;
    for (int i = 0; i < c.List2->count(); ++i) {
        if (c.List2->item(i)->checkState() == Qt::Checked)
            markedIds.append(c.List2->item(i)->text());
    }
    const VisibleTafsir visible{!c.Text2[0]->isHidden(), !c.Text2[1]->isHidden()};
    const MarkedVersesCopy copy =
        CopyMarkedVerses(ResultsFilePath(), markedIds, withTafsir, visible);
    // Nothing found in the results file (none marked, or the file gone) is
    // nothing copied: the clipboard keeps what it holds.
    if (copy.count < 1) {
        ShowMessageBox(window_, kRefusalTitle, kNothingMarkedText);
        return;
    }
    SwitchKeyboard(*layouts_, u"a");
    putOnClipboard(copy.text);
    ShowMessageBox(window_, kProgramTitle,
                   withTafsir ? MarkedVersesAndTafsirCopiedText(copy.count)
                              : MarkedVersesCopiedText(copy.count));
}
