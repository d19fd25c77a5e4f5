#include "orvanta/shell/shell_url.h"

#include <QRegularExpression>

QUrl ShellUrl(const QString& target) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(target).hasMatch())
        return QUrl(target, QUrl::TolerantMode);
    return QUrl::fromLocalFile(target);
}
