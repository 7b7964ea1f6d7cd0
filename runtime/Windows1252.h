#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The suite's files are written in the Windows-1252 code page.
class Windows1252 {
public:
    // Decodes Windows-1252 bytes: 0x80-0x9F through the code page's table (0x80 is "€", 0x93 and
    // 0x94 are curly quotes), every other byte as the Latin-1 character of the same value. The five
    // bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control
    // characters of the same value, so no byte is ever lost.
    [[nodiscard]] static QString decodifica(QByteArrayView bytes);
    // The inverse: the byte of each character, "?" for a character the code page lacks. A text
    // decodifica gave encodes back to its bytes.
    [[nodiscard]] static QByteArray codifica(QStringView texto);
};
