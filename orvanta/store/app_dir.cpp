#include "orvanta/store/app_dir.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& appDirValue() {
    static QString value;
    return value;
}
} // namespace

QString withTrailingSeparator(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

const QString& AppDir() {
    QString& value = appDirValue();
    if (value.isEmpty())
        value = withTrailingSeparator(QCoreApplication::applicationDirPath());
    return value;
}

void SetAppDir(const QString& folder) {
    appDirValue() = withTrailingSeparator(folder);
}
