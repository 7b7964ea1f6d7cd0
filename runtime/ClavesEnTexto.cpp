#include "runtime/ClavesEnTexto.h"

#include <QByteArrayView>
#include <QList>
#include <QStringView>

#include <cstring>

namespace {

struct Tramo {
    qsizetype inicio;
    qsizetype largo;
};

char16_t unidad(QChar c)
{
    return c.unicode();
}

char16_t unidad(char c)
{
    return static_cast<unsigned char>(c);
}

bool esBlanco(char16_t c)
{
    return c == u' ' || c == u'\t';
}

bool esAlfanumerico(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
}

// Whether `clave` (lower case ASCII) is at `i` in `texto`, in any case.
template <typename Texto>
bool claveEn(Texto texto, qsizetype i, const char* clave)
{
    const auto largo = static_cast<qsizetype>(std::strlen(clave));
    if (i + largo > texto.size())
        return false;
    for (qsizetype j = 0; j < largo; ++j) {
        char16_t c = unidad(texto[i + j]);
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
        if (c != static_cast<char16_t>(clave[j]))
            return false;
    }
    return true;
}

// Where the value of the item whose key ends at `i` lies; {-1, 0} when no "=" follows a key that
// needs one ("Passwords", "pwd x").
template <typename Texto>
Tramo valorTras(Texto texto, qsizetype i, bool igualOpcional)
{
    const qsizetype n = texto.size();
    while (i < n && esBlanco(unidad(texto[i])))
        ++i;
    if (i < n && unidad(texto[i]) == u'=')
        ++i;
    else if (!igualOpcional)
        return {-1, 0};
    while (i < n && esBlanco(unidad(texto[i])))
        ++i;
    const qsizetype inicio = i;
    if (i < n && (unidad(texto[i]) == u'{' || unidad(texto[i]) == u'\'')) {
        const char16_t cierre = unidad(texto[i]) == u'{' ? u'}' : u'\'';
        // A "}}" inside braces and a backslashed quote inside quotes do not close the value.
        for (++i; i < n; ++i) {
            const char16_t c = unidad(texto[i]);
            if (c == u'\\' && cierre == u'\'')
                ++i;
            else if (c == cierre && cierre == u'}' && i + 1 < n && unidad(texto[i + 1]) == u'}')
                ++i;
            else if (c == cierre)
                break;
        }
        return {inicio + 1, std::min(i, n) - inicio - 1};
    }
    while (i < n && unidad(texto[i]) != u';' && unidad(texto[i]) != u'\n' && unidad(texto[i]) != u'\r')
        ++i;
    return {inicio, i - inicio};
}

template <typename Texto>
QList<Tramo> tramosDe(Texto texto)
{
    QList<Tramo> tramos;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (i > 0 && esAlfanumerico(unidad(texto[i - 1])))
            continue;
        const bool arroba = i > 0 && unidad(texto[i - 1]) == u'@';
        for (const char* clave : {"password", "pwd"}) {
            if (!claveEn(texto, i, clave))
                continue;
            const auto largo = static_cast<qsizetype>(std::strlen(clave));
            const Tramo tramo = valorTras(texto, i + largo, arroba && largo == 8);
            if (tramo.inicio >= 0 && tramo.largo > 0) {
                tramos.append(tramo);
                i = tramo.inicio + tramo.largo - 1;
            }
            break;
        }
    }
    return tramos;
}

} // namespace

QString ClavesEnTexto::Oculta(const QString& texto)
{
    QString resultado = texto;
    const QList<Tramo> tramos = tramosDe(QStringView(texto));
    for (auto t = tramos.crbegin(); t != tramos.crend(); ++t)
        resultado.replace(t->inicio, t->largo, QStringLiteral("***"));
    return resultado;
}

void ClavesEnTexto::Borra(char* texto)
{
    if (!texto)
        return;
    for (const Tramo& t : tramosDe(QByteArrayView(texto, static_cast<qsizetype>(std::strlen(texto)))))
        std::memset(texto + t.inicio, '*', static_cast<size_t>(t.largo));
}
