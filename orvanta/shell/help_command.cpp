#include "orvanta/shell/help_command.h"

#include "orvanta/shell/message_box.h"
#include "orvanta/shell/open_with_shell.h"
#include "orvanta/store/app_dir.h"
#include "orvanta/store/verse_file.h"

QString HelpFilePath() {
    return AppDir() + QStringLiteral("help.mht");
}

void ShowHelp(QWidget* owner) {
    const QString path = HelpFilePath();
    if (DataFileExists(path))
        OpenWithShell(path);
    else
        ShowMessageBox(owner, kRefusalTitle, kHelpMissingText);
}
