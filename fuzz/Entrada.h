#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// The fuzzer's bytes as the parsers receive them: raw bytes for the file readers, UTF-8 text for
// the ones that take a typed text.
inline QByteArray bytesDe(const uint8_t* datos, size_t largo)
{
    return QByteArray(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(largo));
}

inline QString textoDe(const uint8_t* datos, size_t largo)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(largo));
}
