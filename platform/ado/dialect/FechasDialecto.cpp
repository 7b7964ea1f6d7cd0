#include "platform/ado/dialect/FechasDialecto.h"

#include <QList>

namespace ado::dialecto {
namespace {

// Reads an unsigned number of 1 to `maximo` digits at `pos`; advances `pos`.
std::optional<int> leeNumero(QStringView t, qsizetype& pos, int maximo)
{
    int valor = 0;
    int digitos = 0;
    while (pos < t.size() && digitos < maximo && t[pos].isDigit() && t[pos].unicode() < 128) {
        valor = valor * 10 + (t[pos].unicode() - '0');
        ++pos;
        ++digitos;
    }
    if (digitos == 0)
        return std::nullopt;
    return valor;
}

std::optional<QTime> leeHora(QStringView t)
{
    qsizetype pos = 0;
    const auto h = leeNumero(t, pos, 2);
    if (!h || pos >= t.size() || t[pos] != u':')
        return std::nullopt;
    ++pos;
    const auto m = leeNumero(t, pos, 2);
    if (!m)
        return std::nullopt;
    int s = 0;
    int ms = 0;
    if (pos < t.size() && t[pos] == u':') {
        ++pos;
        const auto sv = leeNumero(t, pos, 2);
        if (!sv)
            return std::nullopt;
        s = *sv;
        if (pos < t.size() && t[pos] == u'.') {
            ++pos;
            const qsizetype inicio = pos;
            const auto f = leeNumero(t, pos, 3);
            if (!f)
                return std::nullopt;
            ms = *f;
            for (qsizetype d = pos - inicio; d < 3; ++d)
                ms *= 10;
        }
    }
    if (pos != t.size())
        return std::nullopt;
    const QTime hora(*h, *m, s, ms);
    if (!hora.isValid())
        return std::nullopt;
    return hora;
}

int anioCompleto(int anio, qsizetype digitos)
{
    if (digitos > 2)
        return anio;
    return anio < 50 ? 2000 + anio : 1900 + anio;
}

std::optional<QDate> leeDia(QStringView t)
{
    qsizetype pos = 0;
    if (t.size() == 8) {
        bool soloDigitos = true;
        for (QChar c : t)
            soloDigitos = soloDigitos && c.isDigit() && c.unicode() < 128;
        if (soloDigitos) {
            const QDate d(t.mid(0, 4).toInt(), t.mid(4, 2).toInt(), t.mid(6, 2).toInt());
            return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
        }
    }
    const auto a = leeNumero(t, pos, 4);
    if (!a || pos >= t.size())
        return std::nullopt;
    const qsizetype digitosPrimero = pos;
    const QChar sep = t[pos];
    if (sep != u'/' && sep != u'-' && sep != u'.')
        return std::nullopt;
    ++pos;
    const auto b = leeNumero(t, pos, 2);
    if (!b || pos >= t.size() || t[pos] != sep)
        return std::nullopt;
    ++pos;
    const qsizetype inicioTercero = pos;
    const auto c = leeNumero(t, pos, 4);
    if (!c || pos != t.size())
        return std::nullopt;
    QDate fecha;
    if (digitosPrimero == 4) // year first: 2025-03-05
        fecha = QDate(*a, *b, *c);
    else if (digitosPrimero <= 2)
        fecha = QDate(anioCompleto(*c, pos - inicioTercero), *b, *a);
    if (!fecha.isValid())
        return std::nullopt;
    return fecha;
}

struct DiaHora {
    QDate dia;
    QTime hora;
};

std::optional<DiaHora> leeDiaHora(QStringView texto)
{
    const QStringView t = texto.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    qsizetype corte = t.indexOf(u' ');
    if (corte < 0)
        corte = t.indexOf(u'T');
    const QStringView parteDia = corte < 0 ? t : t.left(corte);
    const auto dia = leeDia(parteDia);
    if (!dia)
        return std::nullopt;
    if (corte < 0)
        return DiaHora{*dia, QTime(0, 0)};
    const auto hora = leeHora(t.mid(corte + 1).trimmed());
    if (!hora)
        return std::nullopt;
    return DiaHora{*dia, *hora};
}

QString textoAlmacenado(const QDate& dia, const QTime& hora)
{
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", dia.year(), dia.month(), dia.day(), hora.hour(),
                             hora.minute(), hora.second());
}

} // namespace

std::optional<QDateTime> LeeFecha(QStringView texto)
{
    const auto leida = leeDiaHora(texto);
    if (!leida)
        return std::nullopt;
    return QDateTime(leida->dia, leida->hora);
}

std::optional<QString> TextoAlmacenado(QStringView texto)
{
    const auto leida = leeDiaHora(texto);
    if (!leida)
        return std::nullopt;
    return textoAlmacenado(leida->dia, leida->hora);
}

QString FechaAlmacenada(const QDateTime& momento)
{
    return textoAlmacenado(momento.date(), momento.time());
}

} // namespace ado::dialecto
