#include "velisar/engine/quran_texts.h"

#include "common/cp1256.h"
#include "velisar/engine/sora_names.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A regular file counts whatever its permissions; a folder of that name or
// a dangling link does not.
bool dataFileExists(const QString& path) {
    return QFileInfo(path).isFile();
}

QString readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return cp1256::decode(file.readAll());
}

} // namespace

void QuranTexts::Fill_Sora_Names() {
    Sora_Names = soraNameTable();
}

LoadOutcome QuranTexts::Open_Moshaf_Data_File(const QString& programFolder,
                                              const ShowVelisarMessage& show) {
    const QString folder = programFolder.endsWith(u'/') ? programFolder : programFolder + u'/';
    const struct {
        const QString& name;
        const QString& code;
        QString& text;
    } files[] = {{kVocalizedFileName, kVocalizedFileCode, Vocalized_Text},
                 {kPlainFileName, kPlainFileCode, Plain_Text}};
    for (const auto& file : files) {
        const QString path = folder + file.name;
        if (!dataFileExists(path)) {
            if (show)
                show(missingFileMessage(file.code));
            return LoadOutcome::EndProgram;
        }
        file.text = readWholeFile(path);
    }
    return LoadOutcome::Loaded;
}
