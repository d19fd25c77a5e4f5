#include "common/cp1256.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace cp1256 {
namespace {

constexpr const char* kCodecName = "windows-1256";
constexpr int kNoCode = 63;

// The codec's mapping of the 256 bytes, looked up instead of asking the codec
// for every character: the search loops ask for codes character by character.
class CodeTable {
public:
    CodeTable() {
        codes_.fill(kNoCode);
        QByteArray everyByte(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            everyByte[b] = static_cast<char>(b);
        QStringDecoder decoder(kCodecName, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(everyByte);
        if (decoded.size() != 256)
            return;
        QStringEncoder encoder(kCodecName, QStringEncoder::Flag::Stateless);
        for (int b = 0; b < 256; ++b) {
            const QChar ch = decoded.at(b);
            chars_[b] = ch;
            // A character has a code only when it encodes back to its byte.
            const QByteArray back = encoder.encode(QStringView(&ch, 1));
            if (back.size() == 1 && static_cast<unsigned char>(back.at(0)) == b) {
                codes_[ch.unicode()] = static_cast<unsigned char>(b);
                exact_[ch.unicode()] = true;
            }
        }
    }
    int code(char16_t u) const { return codes_[u]; }
    bool exact(char16_t u) const { return exact_[u]; }
    QChar character(unsigned char byte) const { return chars_[byte]; }

private:
    std::array<unsigned char, 0x10000> codes_{};
    std::array<bool, 0x10000> exact_{};
    std::array<QChar, 256> chars_{};
};

const CodeTable& table() {
    static const CodeTable t;
    return t;
}

} // namespace

int code(QChar ch) {
    return table().code(ch.unicode());
}

QString decode(QByteArrayView bytes) {
    const CodeTable& t = table();
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (const char b : bytes)
        *d++ = t.character(static_cast<unsigned char>(b));
    return out;
}

QByteArray encode(QStringView text, bool* lossless) {
    const CodeTable& t = table();
    QByteArray out(text.size(), Qt::Uninitialized);
    bool ok = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        ok = ok && t.exact(u);
        out[i] = static_cast<char>(t.code(u));
    }
    if (lossless)
        *lossless = ok;
    return out;
}

qsizetype firstUnencodable(QStringView text) {
    const CodeTable& t = table();
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!t.exact(text.at(i).unicode()))
            return i;
    return -1;
}

} // namespace cp1256
