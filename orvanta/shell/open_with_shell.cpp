#include "orvanta/shell/open_with_shell.h"

#include "orvanta/shell/shell_url.h"

#include <QDesktopServices>
#include <QFileInfo>

void OpenWithShell(const QString& target) {
    if (target.isEmpty())
        return;
    const QUrl url = ShellUrl(target);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return;
    QDesktopServices::openUrl(url);
}
