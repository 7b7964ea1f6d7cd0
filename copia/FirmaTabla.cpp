#include "copia/FirmaTabla.h"

#include <cctype>

namespace {

constexpr uint64_t kInicioFnv = 14695981039346656037ULL;
constexpr uint64_t kPrimoFnv = 1099511628211ULL;

uint64_t mezcla(uint64_t h, const char* datos, qsizetype largo)
{
    for (qsizetype i = 0; i < largo; ++i)
        h = (h ^ static_cast<unsigned char>(datos[i])) * kPrimoFnv;
    return h;
}

// Spreads the bits of a row's hash, so that the sum of many rows does not cancel out in the low bits.
uint64_t esparce(uint64_t h)
{
    h ^= h >> 30;
    h *= 0xbf58476d1ce4e5b9ULL;
    h ^= h >> 27;
    h *= 0x94d049bb133111ebULL;
    return h ^ (h >> 31);
}

QByteArray decimalCanonico(const QByteArray& valor)
{
    const QByteArray s = valor.trimmed();
    qsizetype i = 0;
    bool negativo = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negativo = s[i++] == '-';
    QByteArray digitos;
    qsizetype punto = -1;
    for (; i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '.'); ++i) {
        if (s[i] != '.')
            digitos += s[i];
        else if (punto >= 0)
            return valor;
        else
            punto = digitos.size();
    }
    if (digitos.isEmpty())
        return valor;
    if (punto < 0)
        punto = digitos.size();
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        bool leido = false;
        const int exponente = s.mid(i + 1).toInt(&leido);
        if (!leido || exponente < -400 || exponente > 400)
            return valor;
        punto += exponente;
        i = s.size();
    }
    if (i != s.size())
        return valor;
    if (punto < 0) {
        digitos.prepend(QByteArray(-punto, '0'));
        punto = 0;
    }
    if (punto > digitos.size())
        digitos.append(QByteArray(punto - digitos.size(), '0'));
    QByteArray entero = digitos.left(punto);
    QByteArray fraccion = digitos.mid(punto);
    while (entero.size() > 1 && entero.front() == '0')
        entero.remove(0, 1);
    if (entero.isEmpty())
        entero = "0";
    while (!fraccion.isEmpty() && fraccion.back() == '0')
        fraccion.chop(1);
    QByteArray resultado = fraccion.isEmpty() ? entero : entero + '.' + fraccion;
    return negativo && resultado != "0" ? '-' + resultado : resultado;
}

QByteArray fechaCanonica(const QByteArray& valor)
{
    QByteArray f = valor.trimmed();
    if (f.size() < 10 || f[4] != '-' || f[7] != '-')
        return valor;
    if (f.size() == 10)
        f += " 00:00:00";
    else if (f[10] == 'T')
        f[10] = ' ';
    if (f.size() == 16)
        f += ":00";
    if (f.size() > 19 && f[19] == '.') {
        while (f.back() == '0')
            f.chop(1);
        if (f.back() == '.')
            f.chop(1);
    }
    return f;
}

} // namespace

QByteArray FirmaTabla::CanonicoDe(const QByteArray& valor, ClaseColumna clase)
{
    switch (clase) {
    case ClaseColumna::Decimal:
        return decimalCanonico(valor);
    case ClaseColumna::Fecha:
        return fechaCanonica(valor);
    case ClaseColumna::Texto:
        break;
    }
    return valor;
}

void FirmaTabla::agrega(const FilaCopia& fila, const std::vector<ColumnaCopia>& columnas)
{
    uint64_t h = kInicioFnv;
    for (size_t i = 0; i < fila.size(); ++i) {
        const char marca = fila[i] ? 1 : 0;
        h = mezcla(h, &marca, 1);
        if (!fila[i])
            continue;
        const QByteArray canonico = i < columnas.size() ? CanonicoDe(*fila[i], columnas[i].clase) : *fila[i];
        const auto largo = static_cast<uint32_t>(canonico.size());
        h = mezcla(h, reinterpret_cast<const char*>(&largo), sizeof largo);
        h = mezcla(h, canonico.constData(), canonico.size());
    }
    suma_ += esparce(h);
    ++filas_;
}

QString FirmaTabla::sumaHex() const
{
    return QStringLiteral("%1").arg(suma_, 16, 16, QLatin1Char('0'));
}
