#include "tools/qurandata/atomic_file_set.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

bool sameContent(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() != content.size())
        return false;
    return file.readAll() == content;
}

} // namespace

bool writeFileSet(const QString& folder, const QList<NamedContent>& files, QStringList* replaced,
                  QString* error) {
    const QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder)) {
        *error = QStringLiteral("%1: cannot create the folder").arg(folder);
        return false;
    }

    struct Pending {
        QString target;
        std::unique_ptr<QTemporaryFile> temp;
    };
    std::vector<Pending> pending;
    for (const NamedContent& file : files) {
        const QString target = dir.filePath(file.name);
        if (sameContent(target, file.content))
            continue;
        auto temp =
            std::make_unique<QTemporaryFile>(dir.filePath(file.name + QStringLiteral(".XXXXXX")));
        if (!temp->open() || temp->write(file.content) != file.content.size() || !temp->flush()) {
            *error = QStringLiteral("%1: %2").arg(target, temp->errorString());
            return false; // the temporary files remove themselves
        }
        temp->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ReadGroup | QFileDevice::ReadOther);
        temp->close();
        pending.push_back({target, std::move(temp)});
    }

    for (Pending& p : pending) {
        std::error_code ec;
        std::filesystem::rename(QFile::encodeName(p.temp->fileName()).toStdString(),
                                QFile::encodeName(p.target).toStdString(), ec);
        if (ec) {
            *error = QStringLiteral("%1: %2").arg(p.target, QString::fromStdString(ec.message()));
            return false;
        }
        p.temp->setAutoRemove(false);
        if (replaced)
            replaced->append(QFileInfo(p.target).fileName());
    }
    return true;
}
