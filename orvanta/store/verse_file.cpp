#include "orvanta/store/verse_file.h"

#include "orvanta/store/app_dir.h"

#include <QFileInfo>

QString VerseFilePath() {
    return AppDir() + QStringLiteral("qor");
}

bool DataFileExists(const QString& path) {
    return QFileInfo(path).isFile();
}

void CheckVerseFile(const ShowMessage& show) {
    if (!DataFileExists(VerseFilePath()) && show)
        show(kMissingVerseFileTitle, kMissingVerseFileText);
}
