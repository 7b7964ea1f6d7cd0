#include "runtime/FuncionesVB.h"

namespace FuncionesVB {

QString LTrim(QStringView texto)
{
    qsizetype i = 0;
    while (i < texto.size() && texto[i] == u' ')
        ++i;
    return texto.mid(i).toString();
}

QString RTrim(QStringView texto)
{
    qsizetype n = texto.size();
    while (n > 0 && texto[n - 1] == u' ')
        --n;
    return texto.left(n).toString();
}

QString Trim(QStringView texto)
{
    qsizetype i = 0;
    qsizetype n = texto.size();
    while (i < n && texto[i] == u' ')
        ++i;
    while (n > i && texto[n - 1] == u' ')
        --n;
    return texto.mid(i, n - i).toString();
}

bool EnBlanco(QStringView texto)
{
    for (QChar c : texto)
        if (c != u' ')
            return false;
    return true;
}

namespace {
constexpr char16_t minuscula(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
}
} // namespace

qsizetype BuscaSinCaso(QStringView texto, QLatin1StringView patron, qsizetype desde)
{
    const qsizetype n = patron.size();
    if (desde < 0)
        desde = 0;
    if (n == 0)
        return desde <= texto.size() ? desde : -1;
    const char primera = patron[0].toLatin1();
    const QChar baja = QChar::fromLatin1(static_cast<char>(minuscula(static_cast<unsigned char>(primera))));
    const QChar alta = baja.toUpper();
    const char16_t* t = texto.utf16();
    const char* p = patron.data();
    const qsizetype ultimo = texto.size() - n;
    // Candidates for the first character are found with Qt's vectorised single-character search.
    qsizetype siguienteBaja = texto.indexOf(baja, desde);
    qsizetype siguienteAlta = alta == baja ? -1 : texto.indexOf(alta, desde);
    while (siguienteBaja >= 0 || siguienteAlta >= 0) {
        const qsizetype i = siguienteAlta < 0 || (siguienteBaja >= 0 && siguienteBaja < siguienteAlta) ? siguienteBaja
                                                                                                       : siguienteAlta;
        if (i > ultimo)
            return -1;
        qsizetype j = 1;
        while (j < n && minuscula(t[i + j]) == minuscula(static_cast<unsigned char>(p[j])))
            ++j;
        if (j == n)
            return i;
        if (i == siguienteBaja)
            siguienteBaja = texto.indexOf(baja, i + 1);
        else
            siguienteAlta = texto.indexOf(alta, i + 1);
    }
    return -1;
}

bool IgualSinCaso(QStringView texto, QLatin1StringView patron)
{
    if (texto.size() != patron.size())
        return false; // case folding keeps the length of a text
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t c = texto[i].unicode();
        const auto p = static_cast<unsigned char>(patron[i].toLatin1());
        if (c >= 0x80 || p >= 0x80)
            return texto.compare(patron, Qt::CaseInsensitive) == 0;
        if (c != p && minuscula(c) != minuscula(p))
            return false;
    }
    return true;
}

void ReemplazaSinCaso(QString& texto, QLatin1StringView patron, QStringView nuevo)
{
    qsizetype pos = BuscaSinCaso(texto, patron);
    if (pos < 0 || patron.isEmpty())
        return;
    QString resultado;
    resultado.reserve(texto.size());
    qsizetype copiado = 0;
    while (pos >= 0) {
        resultado += QStringView(texto).mid(copiado, pos - copiado);
        resultado += nuevo;
        copiado = pos + patron.size();
        pos = BuscaSinCaso(texto, patron, copiado);
    }
    resultado += QStringView(texto).mid(copiado);
    texto = std::move(resultado);
}

} // namespace FuncionesVB
