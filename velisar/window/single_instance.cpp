#include "velisar/window/single_instance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& lockFilePath) : lock_(lockFilePath) {}

bool SingleInstance::claim() {
    return lock_.isLocked() || lock_.tryLock(0);
}

QString SingleInstance::defaultLockFilePath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/velisar.lock");
}
