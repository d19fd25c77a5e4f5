#pragma once

#include <QString>
#include <rtl/ustring.hxx>

// Both string types hold UTF-16, so the conversions are plain copies.
inline rtl::OUString toOUString(const QString& text) {
    return rtl::OUString(reinterpret_cast<const sal_Unicode*>(text.utf16()),
                         static_cast<sal_Int32>(text.size()));
}

inline QString toQString(const rtl::OUString& text) {
    return QString(reinterpret_cast<const QChar*>(text.getStr()), text.getLength());
}
