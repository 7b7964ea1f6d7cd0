#include "runtime/Windows1252.h"

#include <algorithm>
#include <iterator>

namespace {
// Characters of bytes 0x80 to 0x9F.
constexpr char16_t tabla80a9F[32] = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};
} // namespace

QString Windows1252::decodifica(QByteArrayView bytes)
{
    QString texto;
    texto.reserve(bytes.size());
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        texto += (byte >= 0x80 && byte <= 0x9F) ? QChar(tabla80a9F[byte - 0x80]) : QChar(byte);
    }
    return texto;
}

QByteArray Windows1252::codifica(QStringView texto)
{
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (const QChar c : texto) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += static_cast<char>(u);
            continue;
        }
        const auto* donde = std::find(std::begin(tabla80a9F), std::end(tabla80a9F), u);
        bytes += donde == std::end(tabla80a9F) ? '?' : static_cast<char>(0x80 + (donde - std::begin(tabla80a9F)));
    }
    return bytes;
}
