#include "orvanta/shell/font_settings.h"

#include "common/cp1256.h"
#include "common/rounding.h"
#include "orvanta/store/user_files.h"

#include <QFile>
#include <QSaveFile>

namespace {

FontSettingsValues& shared() {
    static FontSettingsValues values;
    return values;
}

QString readLine(QFile& file) {
    QByteArray bytes = file.readLine();
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    return cp1256::decode(bytes);
}

} // namespace

const FontSettingsValues& FontSettings() {
    return shared();
}

void LoadFontSettings() {
    shared() = ReadFontSettings(FontFilePath());
}

FontSettingsValues ReadFontSettings(const QString& path) {
    FontSettingsValues values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return values;
    while (!file.atEnd()) {
        QString lines[3];
        for (QString& line : lines) {
            if (file.atEnd())
                return values;
            line = readLine(file);
        }
        values.DisplayFontName = lines[0];
        const std::optional<qint16> size = toInt16(lines[1]);
        if (!size)
            return values;
        values.DisplayFontSize = *size;
        values.DisplayFontBold = lines[2];
    }
    return values;
}

bool WriteFontSettings(const QString& path, const QString& name, const QString& size,
                       const QString& bold) {
    MakeFolderFor(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString lines = name + QStringLiteral("\r\n") + size + QStringLiteral("\r\n") + bold +
                          QStringLiteral("\r\n");
    file.write(cp1256::encode(lines));
    return file.commit();
}

std::optional<float> FontSizeValue(QStringView text) {
    bool ok = false;
    const float points = text.trimmed().toFloat(&ok);
    if (!ok)
        return std::nullopt;
    return points;
}

std::optional<bool> BoldFlag(QStringView text) {
    const QStringView t = text.trimmed();
    if (t.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}
