#include "velisar/link/libreoffice/writer_pipe_name.h"

#include <pwd.h>
#include <unistd.h>

QString writerPipeNameFor(const QString& userName) {
    QString name = QStringLiteral("velisar_");
    for (QChar c : userName) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                           (c >= u'0' && c <= u'9') || c == u'_';
        name += plain ? c : QChar(u'_');
    }
    return name;
}

QString writerPipeName() {
    // The account, not $USER: sudo and su may leave $USER pointing at
    // someone else, and the pipe must be the one this user's office opens.
    const passwd* account = getpwuid(geteuid());
    const QString user =
        account ? QString::fromLocal8Bit(account->pw_name) : QString::number(geteuid());
    return writerPipeNameFor(user);
}
