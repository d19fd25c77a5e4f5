#include "orvanta/store/user_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString UserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Orvanta");
}

QString UserPath(QStringView windowsPath) {
    QStringView rest = windowsPath;
    if (rest.size() >= 2 && rest[1] == u':' && rest[0].isLetter())
        rest = rest.mid(2);
    QString relative = rest.toString();
    relative.replace(u'\\', u'/');
    while (relative.startsWith(u'/'))
        relative.remove(0, 1);
    return UserDataFolder() + u'/' + relative;
}

QString ResultsFilePath() {
    return UserPath(u"C:\\find");
}

QString FontFilePath() {
    return UserPath(u"c:\\kt");
}

QString LeftoverInstallerPath() {
    return UserPath(u"C:\\Program Files\\Orvanta1\\setup.exe");
}

bool MakeFolderFor(const QString& filePath) {
    return QDir().mkpath(QFileInfo(filePath).path());
}
