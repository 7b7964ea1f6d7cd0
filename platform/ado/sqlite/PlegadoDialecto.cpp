#include "platform/ado/sqlite/PlegadoDialecto.h"

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>

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

// Where a character sorts: its letter first (case and accent aside), then its accent. Blanks and
// punctuation come before digits, digits before letters, Ñ right after N, other scripts last.
struct PesoLetra {
    uint32_t primario;
    uint32_t acento;
};

constexpr uint32_t kBaseDigitos = 0x1000;
constexpr uint32_t kBaseLetras = 0x2000;
constexpr uint32_t kBaseOtras = 0x10000;

constexpr uint32_t pesoAscii(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        c = static_cast<unsigned char>(c + 32);
    if (c >= 'a' && c <= 'z')
        return kBaseLetras + (c - 'a') * 4u;
    if (c >= '0' && c <= '9')
        return kBaseDigitos + c;
    return c;
}

constexpr auto kPesosAscii = [] {
    std::array<uint32_t, 128> pesos{};
    for (unsigned c = 0; c < 128; ++c)
        pesos[c] = pesoAscii(static_cast<unsigned char>(c));
    return pesos;
}();

PesoLetra pesoCalculado(char32_t c)
{
    if (c == 0xF1) // ñ
        return {pesoAscii('n') + 2, 0};
    const QString partes = QChar::decomposition(c);
    if (QChar::decompositionTag(c) == QChar::Canonical && !partes.isEmpty() && partes[0].unicode() < 0x80
        && partes[0].isLetter())
        return {pesoAscii(static_cast<unsigned char>(partes[0].unicode())),
                partes.size() > 1 ? partes[1].unicode() : 0u};
    return {kBaseOtras + c, 0};
}

// Where a character sorts once folded; Latin letters with accents (the first 0x250 code points) are
// looked up in a table made when the program loads, the rest is computed.
constexpr char32_t kFinTabla = 0x250;

char32_t pliegaCalculado(char32_t c);

const std::array<PesoLetra, kFinTabla> kPesosPlegados = [] {
    std::array<PesoLetra, kFinTabla> pesos{};
    for (char32_t x = 0; x < kFinTabla; ++x) {
        const char32_t plegado = x < 0x80 ? x : pliegaCalculado(x);
        pesos[x] = plegado < 0x80 ? PesoLetra{kPesosAscii[plegado], 0}
            : plegado < kFinTabla ? pesoCalculado(plegado)
                                  : PesoLetra{kBaseOtras + plegado, 0};
    }
    return pesos;
}();

PesoLetra pesoPlegado(char32_t c)
{
    if (c < kFinTabla)
        return kPesosPlegados[c];
    const char32_t plegado = pliegaCalculado(c);
    return {kBaseOtras + plegado, 0};
}

char32_t pliegaCalculado(char32_t codigo)
{
    return codigo >= kFueraDeRango ? codigo : QChar::toCaseFolded(codigo);
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
    return pliegaCalculado(codigo);
}

int ComparaPlegado(const unsigned char* a, int largoA, const unsigned char* b, int largoB)
{
    largoA = largoSinBlancosFinales(a, largoA);
    largoB = largoSinBlancosFinales(b, largoB);
    int i = 0;
    int j = 0;
    int secundaria = 0; // the first accent difference, which decides only between equal letters
    while (i < largoA && j < largoB) {
        if (a[i] == b[j]) {
            // Equal bytes weigh the same: skip the common run, back to the start of a character
            // when it ends inside one.
            int comun = 0;
            while (i + comun < largoA && j + comun < largoB && a[i + comun] == b[j + comun])
                ++comun;
            i += comun;
            j += comun;
            while (comun > 0 && ((i < largoA && (a[i] & 0xC0) == 0x80) || (j < largoB && (b[j] & 0xC0) == 0x80))) {
                --i;
                --j;
                --comun;
            }
            if (comun > 0)
                continue;
        }
        if (a[i] < 0x80 && b[j] < 0x80) {
            const uint32_t x = kPesosAscii[a[i++]];
            const uint32_t y = kPesosAscii[b[j++]];
            if (x != y)
                return x < y ? -1 : 1;
            continue;
        }
        const PesoLetra x = pesoPlegado(LeeCodigo(a, largoA, i));
        const PesoLetra y = pesoPlegado(LeeCodigo(b, largoB, j));
        if (x.primario != y.primario)
            return x.primario < y.primario ? -1 : 1;
        if (secundaria == 0 && x.acento != y.acento)
            secundaria = x.acento < y.acento ? -1 : 1;
    }
    const int largo = (i < largoA ? 1 : 0) - (j < largoB ? 1 : 0);
    return largo != 0 ? largo : secundaria;
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
