#include "velisar/engine/velisar_message.h"

namespace {
// The messages break their lines with bare carriage returns.
const QString kTwoReturns = QStringLiteral("\r\r");
} // namespace

VelisarMessage missingFileMessage(const QString& fileCode) {
    return {kVelisarTitle, fileCode + kTwoReturns + QStringLiteral("ملف البحث غير متوفر"),
            VelisarMessage::Icon::Stop};
}

VelisarMessage notFoundMessage(const QString& query) {
    return {kVelisarTitle,
            QStringLiteral("عفواً ... النص الذي كتبته ") + u'"' + query + u'"' +
                QStringLiteral(" غير موجود") + kTwoReturns + QStringLiteral("حاول مرة أخرى ..."),
            VelisarMessage::Icon::Information};
}
