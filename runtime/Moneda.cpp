#include "runtime/Moneda.h"

#include "runtime/ErrorVB.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {
[[noreturn]] void desborda()
{
    throw ErrorVB(ErroresVB::Desbordamiento, QStringLiteral("Desbordamiento"), QStringLiteral("Moneda"));
}

__int128 potenciaDeDiez(int n)
{
    __int128 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}
} // namespace

Moneda Moneda::desdeDouble(double valor)
{
    if (!std::isfinite(valor))
        desborda();
    // Rounds the shortest decimal text of the double, so that 2.00015 is a half like the person
    // typed it, not the binary value just below it.
    char texto[64];
    const auto r = std::to_chars(texto, texto + sizeof texto, std::fabs(valor), std::chars_format::scientific);
    *r.ptr = '\0';
    __int128 mantisa = 0;
    int cifras = 0;
    char* p = texto;
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            mantisa = mantisa * 10 + (*p - '0');
            ++cifras;
        }
    }
    // valor = mantisa * 10^(exponente - cifras + 1); in ten-thousandths, 4 more.
    const int escala = static_cast<int>(std::strtol(p + 1, nullptr, 10)) - cifras + 1 + 4;
    __int128 resultado = 0;
    if (escala >= 0) {
        if (escala > 20)
            desborda();
        resultado = mantisa * potenciaDeDiez(escala);
    } else if (-escala <= cifras) {
        const __int128 divisor = potenciaDeDiez(-escala);
        resultado = mantisa / divisor;
        const __int128 resto = mantisa % divisor;
        if (2 * resto > divisor || (2 * resto == divisor && resultado % 2 != 0))
            ++resultado;
    }
    if (resultado > std::numeric_limits<int64_t>::max())
        desborda();
    const auto d = static_cast<int64_t>(resultado);
    return desdeDiezmilesimos(valor < 0 ? -d : d);
}

QString Moneda::aTexto() const
{
    const bool negativo = diezmilesimos_ < 0;
    const uint64_t absoluto
        = negativo ? 0 - static_cast<uint64_t>(diezmilesimos_) : static_cast<uint64_t>(diezmilesimos_);
    QString texto = QString::number(absoluto / 10000);
    if (const uint64_t fraccion = absoluto % 10000; fraccion != 0) {
        QString decimales = QStringLiteral("%1").arg(fraccion, 4, 10, QLatin1Char('0'));
        while (decimales.endsWith(u'0'))
            decimales.chop(1);
        texto += u',' + decimales;
    }
    return negativo ? u'-' + texto : texto;
}
