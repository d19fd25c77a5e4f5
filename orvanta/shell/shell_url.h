#pragma once

#include <QString>
#include <QUrl>

// What the desktop should open for a target: a link with a scheme of its own
// ("https:", "mailto:", "file:") as it is, anything else as a local file path.
// A one-letter scheme is a Windows drive, so a path.
QUrl ShellUrl(const QString& target);
