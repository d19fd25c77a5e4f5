#include "support/platform_noise.h"

#include <QString>
#include <QtGlobal>

namespace {

QtMessageHandler previousHandler = nullptr;

void dropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    previousHandler(type, context, message);
}

} // namespace

void dropPlatformWarnings() {
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(dropPlatformNoise);
}
