#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the desktop: records what it is asked to open. Hand it to
// QDesktopServices::setUrlHandler with the method "open".
class RecordingDesktop : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};
