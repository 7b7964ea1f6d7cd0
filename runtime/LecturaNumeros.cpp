#include "runtime/LecturaNumeros.h"

#include "runtime/ErrorVB.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {
bool esBlanco(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool esDigito(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Index of the next character that is not a blank, from `i` on.
qsizetype saltaBlancos(const QString& t, qsizetype i)
{
    while (i < t.size() && esBlanco(t.at(i)))
        ++i;
    return i;
}
[[noreturn]] double desborda()
{
    throw ErrorVB(ErroresVB::Desbordamiento, QStringLiteral("Desbordamiento"), QStringLiteral("NumeroInicial"));
}

// For a number out of the double's range: true when it is too small (it reads as 0) rather than
// too large. Compares the position of the first significant digit with the exponent.
bool esDiminuto(const std::string& numero)
{
    const auto e = numero.find('e');
    const std::string mantisa = numero.substr(0, e);
    // Clamped so that a huge written exponent cannot overflow the sum below.
    const long exponente
        = e == std::string::npos ? 0 : std::clamp(std::strtol(numero.c_str() + e + 1, nullptr, 10), -100000L, 100000L);
    const auto punto = std::min(mantisa.find('.'), mantisa.size());
    const auto primera = mantisa.find_first_of("123456789");
    if (primera == std::string::npos)
        return true;
    const long orden = primera < punto ? static_cast<long>(punto - primera) : -static_cast<long>(primera - punto - 1);
    return orden + exponente <= 0;
}
} // namespace

double LecturaNumeros::NumeroInicial(const QString& texto)
{
    // Collects the accepted characters (blanks left out) into a C-locale text for strtod.
    std::string numero;
    qsizetype i = saltaBlancos(texto, 0);
    if (i < texto.size() && (texto.at(i) == u'+' || texto.at(i) == u'-')) {
        numero += static_cast<char>(texto.at(i).unicode());
        i = saltaBlancos(texto, i + 1);
    }
    bool hayDigitos = false;
    bool hayPunto = false;
    while (i < texto.size()) {
        const QChar c = texto.at(i);
        if (esDigito(c)) {
            hayDigitos = true;
        } else if (c == u'.' && !hayPunto) {
            hayPunto = true;
        } else if (!esBlanco(c)) {
            break;
        }
        if (!esBlanco(c))
            numero += static_cast<char>(c.unicode());
        ++i;
    }
    if (!hayDigitos)
        return 0.0;

    if (i < texto.size() && QStringLiteral("EeDd").contains(texto.at(i))) {
        std::string exponente = "e";
        qsizetype j = saltaBlancos(texto, i + 1);
        if (j < texto.size() && (texto.at(j) == u'+' || texto.at(j) == u'-')) {
            exponente += static_cast<char>(texto.at(j).unicode());
            j = saltaBlancos(texto, j + 1);
        }
        bool digitosExponente = false;
        while (j < texto.size() && (esDigito(texto.at(j)) || esBlanco(texto.at(j)))) {
            if (esDigito(texto.at(j))) {
                exponente += static_cast<char>(texto.at(j).unicode());
                digitosExponente = true;
            }
            ++j;
        }
        if (digitosExponente)
            numero += exponente;
    }

    // from_chars reads with the point whatever the process locale is; it takes no "+" sign.
    const char* inicio = numero.data();
    const char* fin = inicio + numero.size();
    if (*inicio == '+')
        ++inicio;
    double valor = 0.0;
    if (std::from_chars(inicio, fin, valor).ec == std::errc::result_out_of_range)
        return esDiminuto(std::string(inicio, fin)) ? 0.0 : desborda();
    return valor;
}
