#pragma once

#include <QString>

// The finder window's fixed texts. The Cancel button's tooltip doubles as
// the mark of a running search: kStopSearchTip while one runs.
inline const QString kStopSearchTip = QStringLiteral("إيقاف البحث");
inline const QString kCancelSearchTip = QStringLiteral("إلغاءالبحث");
// The same words with their space, set when the window wakes up empty.
inline const QString kCancelSearchSpacedTip = QStringLiteral("إلغاء البحث");
inline const QString kHelpButtonTip = QStringLiteral(" Velisar ");
inline const QString kStartSearchTip = QStringLiteral("إبدأ البحث");
inline const QString kText1Tip = QStringLiteral(" للكتابة في هذا الحقل يجب أن تكون الأحرف عربية ");
inline const QString kQRsultTip = QStringLiteral(" نتيجة البحث ");
inline const QString kCopyCaption = QStringLiteral("&نسخ");
inline const QString kCopyTip = QStringLiteral(" نسخ الآية إلى الذاكرة ");

// Window states, kept in the window's Tag.
inline const QString kStateResting = QStringLiteral("Allah1");
inline const QString kStateLayingOut = QStringLiteral("Run");
inline const QString kStateAwake = QStringLiteral("KRD");
