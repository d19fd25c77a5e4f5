#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The web page inside a web archive (MHTML: a MIME multipart/related message
// whose parts are the page and what it shows).
struct MhtPage {
    QString html;     // the page, decoded from its transfer encoding and charset
    QString location; // its Content-Location, empty when it has none
};

// The archive's first text/html part. Parts may be sent as 7bit, 8bit,
// binary, quoted-printable or base64, in any charset the program knows
// (UTF-8 when none is named); lines may end with CR LF or LF alone. No page
// when the text is no multipart message or holds no HTML part.
std::optional<MhtPage> ReadMhtPage(const QByteArray& archive);
