#include "platform/ado/sqlite/PlegadoDialecto.h"

#include <QChar>

namespace ado::sqlite {
namespace {

constexpr char32_t kFueraDeRango = 0x110000;

unsigned char minusculaAscii(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c;
}

int largoSinBlancosFinales(const unsigned char* t, int largo)
{
    while (largo > 0 && t[largo - 1] == ' ')
        --largo;
    return largo;
}

} // namespace

char32_t LeeCodigo(const unsigned char* t, int largo, int& pos)
{
    const unsigned char b = t[pos];
    if (b < 0x80) {
        ++pos;
        return b;
    }
    int siguen = 0;
    char32_t codigo = 0;
    if ((b & 0xE0) == 0xC0) {
        siguen = 1;
        codigo = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        siguen = 2;
        codigo = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        siguen = 3;
        codigo = b & 0x07;
    } else {
        ++pos;
        return kFueraDeRango + b;
    }
    for (int i = 1; i <= siguen; ++i) {
        if (pos + i >= largo || (t[pos + i] & 0xC0) != 0x80) {
            ++pos;
            return kFueraDeRango + b;
        }
        codigo = (codigo << 6) | (t[pos + i] & 0x3F);
    }
    pos += siguen + 1;
    return codigo;
}

char32_t Pliega(char32_t codigo)
{
    if (codigo < 0x80)
        return minusculaAscii(static_cast<unsigned char>(codigo));
    return codigo >= kFueraDeRango ? codigo : QChar::toCaseFolded(codigo);
}

int ComparaPlegado(const unsigned char* a, int largoA, const unsigned char* b, int largoB)
{
    largoA = largoSinBlancosFinales(a, largoA);
    largoB = largoSinBlancosFinales(b, largoB);
    int i = 0;
    int j = 0;
    while (i < largoA && j < largoB) {
        if (a[i] < 0x80 && b[j] < 0x80) {
            const unsigned char x = minusculaAscii(a[i++]);
            const unsigned char y = minusculaAscii(b[j++]);
            if (x != y)
                return x < y ? -1 : 1;
            continue;
        }
        const char32_t x = Pliega(LeeCodigo(a, largoA, i));
        const char32_t y = Pliega(LeeCodigo(b, largoB, j));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return (i < largoA ? 1 : 0) - (j < largoB ? 1 : 0);
}

std::u32string TextoPlegado(const unsigned char* texto, int largo)
{
    std::u32string plegado;
    plegado.reserve(static_cast<size_t>(largo));
    int pos = 0;
    while (pos < largo)
        plegado += Pliega(LeeCodigo(texto, largo, pos));
    return plegado;
}

void EscribeUtf8(std::string& salida, char32_t c)
{
    if (c >= kFueraDeRango) {
        salida += static_cast<char>(c - kFueraDeRango);
    } else if (c < 0x80) {
        salida += static_cast<char>(c);
    } else if (c < 0x800) {
        salida += static_cast<char>(0xC0 | (c >> 6));
        salida += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        salida += static_cast<char>(0xE0 | (c >> 12));
        salida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        salida += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        salida += static_cast<char>(0xF0 | (c >> 18));
        salida += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        salida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        salida += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace ado::sqlite
