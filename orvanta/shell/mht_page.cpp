#include "orvanta/shell/mht_page.h"

#include <QList>
#include <QMap>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

struct Part {
    QMap<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
};

// Splits a message into its headers and its body at the first empty line.
// Folded header lines (continued by a blank at the start of the next line)
// are joined.
Part splitMessage(const QByteArray& message) {
    Part part;
    qsizetype pos = 0;
    QByteArray name;
    while (pos < message.size()) {
        qsizetype end = message.indexOf('\n', pos);
        if (end < 0)
            end = message.size();
        QByteArray line = message.mid(pos, end - pos);
        pos = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            break;
        if ((line.startsWith(' ') || line.startsWith('\t')) && !name.isEmpty()) {
            part.headers[name] += ' ' + line.trimmed();
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        name = line.left(colon).trimmed().toLower();
        part.headers[name] = line.mid(colon + 1).trimmed();
    }
    part.body = pos < message.size() ? message.mid(pos) : QByteArray();
    return part;
}

// The value of a parameter of a header ("boundary", "charset"), quoted or
// not.
QByteArray parameter(const QByteArray& header, const char* name) {
    static const QString form = QStringLiteral("(?:^|;)\\s*%1\\s*=\\s*(?:\"([^\"]*)\"|([^;\\s]+))");
    const QRegularExpression pattern(form.arg(QLatin1String(name)),
                                     QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(header));
    if (!match.hasMatch())
        return {};
    return (match.capturedLength(1) > 0 ? match.captured(1) : match.captured(2)).toLatin1();
}

QByteArray mediaType(const QByteArray& contentType) {
    const qsizetype semicolon = contentType.indexOf(';');
    return (semicolon < 0 ? contentType : contentType.left(semicolon)).trimmed().toLower();
}

// The parts between the boundary lines; what stands before the first and
// after the closing one is no part.
QList<QByteArray> bodyParts(const QByteArray& body, const QByteArray& boundary) {
    const QByteArray delimiter = "--" + boundary;
    QList<QByteArray> parts;
    qsizetype start = -1;
    qsizetype pos = 0;
    while (pos <= body.size()) {
        qsizetype end = body.indexOf('\n', pos);
        if (end < 0)
            end = body.size();
        QByteArray line = body.mid(pos, end - pos);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith(delimiter)) {
            if (start >= 0) {
                // The line break before a delimiter belongs to the delimiter.
                qsizetype stop = pos;
                if (stop > start && body[stop - 1] == '\n')
                    --stop;
                if (stop > start && body[stop - 1] == '\r')
                    --stop;
                parts.append(body.mid(start, stop - start));
            }
            if (line.trimmed() == delimiter + "--")
                return parts;
            start = end + 1;
        }
        pos = end + 1;
    }
    return parts;
}

QByteArray fromQuotedPrintable(const QByteArray& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '=') {
            out.append(c);
            continue;
        }
        // A soft line break: "=" at the end of a line.
        if (i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            continue;
        }
        if (i + 2 < text.size() && text[i + 1] == '\r' && text[i + 2] == '\n') {
            i += 2;
            continue;
        }
        bool ok = false;
        const int value = text.mid(i + 1, 2).toInt(&ok, 16);
        if (ok && i + 2 < text.size()) {
            out.append(char(value));
            i += 2;
        } else {
            out.append(c);
        }
    }
    return out;
}

std::optional<QByteArray> decodeTransfer(const QByteArray& body, const QByteArray& encoding) {
    const QByteArray e = encoding.trimmed().toLower();
    if (e.isEmpty() || e == "7bit" || e == "8bit" || e == "binary")
        return body;
    if (e == "quoted-printable")
        return fromQuotedPrintable(body);
    if (e == "base64")
        return QByteArray::fromBase64(body);
    return std::nullopt;
}

} // namespace

std::optional<MhtPage> ReadMhtPage(const QByteArray& archive) {
    const Part message = splitMessage(archive);
    const QByteArray contentType = message.headers.value("content-type");
    if (!mediaType(contentType).startsWith("multipart/"))
        return std::nullopt;
    const QByteArray boundary = parameter(contentType, "boundary");
    if (boundary.isEmpty())
        return std::nullopt;
    for (const QByteArray& raw : bodyParts(message.body, boundary)) {
        const Part part = splitMessage(raw);
        const QByteArray type = part.headers.value("content-type");
        if (mediaType(type) != "text/html")
            continue;
        const std::optional<QByteArray> bytes =
            decodeTransfer(part.body, part.headers.value("content-transfer-encoding"));
        if (!bytes)
            continue;
        QByteArray charset = parameter(type, "charset");
        if (charset.isEmpty())
            charset = "utf-8";
        QStringDecoder decoder(charset.constData());
        if (!decoder.isValid())
            continue;
        MhtPage page;
        page.html = decoder.decode(*bytes);
        page.location = QString::fromLatin1(part.headers.value("content-location"));
        return page;
    }
    return std::nullopt;
}
