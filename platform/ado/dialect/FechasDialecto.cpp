#include "platform/ado/dialect/FechasDialecto.h"

#include <QList>

#include <algorithm>

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

// A time "9:30", "09:30:15" or "09:30:15.250", optionally followed by AM or PM.
std::optional<QTime> leeHora(QStringView t)
{
    std::optional<bool> tarde;
    if (t.size() > 2) {
        const QStringView sufijo = t.right(2);
        if (sufijo.compare(u"PM", Qt::CaseInsensitive) == 0 || sufijo.compare(u"AM", Qt::CaseInsensitive) == 0) {
            tarde = sufijo.compare(u"PM", Qt::CaseInsensitive) == 0;
            t = t.chopped(2).trimmed();
        }
    }
    qsizetype pos = 0;
    auto h = leeNumero(t, pos, 2);
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
    if (tarde) {
        if (*h > 12)
            return std::nullopt;
        if (*tarde && *h < 12)
            *h += 12;
        else if (!*tarde && *h == 12)
            *h = 0;
    }
    const QTime hora(*h, *m, s, ms);
    if (!hora.isValid())
        return std::nullopt;
    return hora;
}

bool soloCifras(QStringView t)
{
    return std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
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
    if (t.size() == 8 && soloCifras(t)) {
        const QDate d(t.mid(0, 4).toInt(), t.mid(4, 2).toInt(), t.mid(6, 2).toInt());
        return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
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

// The server's further readings for a date value: '', a time alone, six-digit yymmdd.
std::optional<DiaHora> leeDiaHoraCompleto(QStringView texto)
{
    if (auto leida = leeDiaHora(texto))
        return leida;
    const QStringView t = texto.trimmed();
    const QDate inicioSiglo(1900, 1, 1);
    if (t.isEmpty())
        return DiaHora{inicioSiglo, QTime(0, 0)};
    if (t.size() == 6 && soloCifras(t)) {
        const QDate d(anioCompleto(t.left(2).toInt(), 2), t.mid(2, 2).toInt(), t.mid(4, 2).toInt());
        return d.isValid() ? std::optional<DiaHora>(DiaHora{d, QTime(0, 0)}) : std::nullopt;
    }
    if (const auto hora = leeHora(t))
        return DiaHora{inicioSiglo, *hora};
    return std::nullopt;
}

constexpr qint64 kMsDia = 86400000;

// The day and the milliseconds of day rounded to the server's three-hundredths of a second; a
// rounding past midnight moves to the next day.
DiaHora redondeada(const QDate& dia, const QTime& hora)
{
    const qint64 ms = hora.msecsSinceStartOfDay();
    const qint64 r = ((ms * 3 + 5) / 10 * 10 + 1) / 3;
    if (r >= kMsDia)
        return DiaHora{dia.addDays(1), QTime(0, 0)};
    return DiaHora{dia, QTime::fromMSecsSinceStartOfDay(static_cast<int>(r))};
}

QString textoAlmacenado(const QDate& diaLeido, const QTime& horaLeida)
{
    const auto [dia, hora] = redondeada(diaLeido, horaLeida);
    if (hora.msec() == 0)
        return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", dia.year(), dia.month(), dia.day(), hora.hour(),
                                 hora.minute(), hora.second());
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d.%03d", dia.year(), dia.month(), dia.day(), hora.hour(),
                             hora.minute(), hora.second(), hora.msec());
}

} // namespace

std::optional<QDateTime> LeeFechaConDia(QStringView texto)
{
    const auto leida = leeDiaHora(texto);
    if (!leida)
        return std::nullopt;
    return QDateTime(leida->dia, leida->hora);
}

std::optional<QDateTime> LeeFecha(QStringView texto)
{
    const auto leida = leeDiaHoraCompleto(texto);
    if (!leida)
        return std::nullopt;
    return QDateTime(leida->dia, leida->hora);
}

bool EsHoraSola(QStringView texto)
{
    return leeHora(texto.trimmed()).has_value();
}

bool EsFechaAlmacenada(QStringView texto)
{
    static constexpr char16_t kForma[] = u"0000-00-00 00:00:00.000";
    if (texto.size() != 19 && texto.size() != 23)
        return false;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const bool cifra = kForma[i] == u'0';
        if (cifra ? !(texto[i] >= u'0' && texto[i] <= u'9') : texto[i] != kForma[i])
            return false;
    }
    return true;
}

std::optional<QString> TextoAlmacenado(QStringView texto)
{
    const auto leida = leeDiaHoraCompleto(texto);
    if (!leida)
        return std::nullopt;
    return textoAlmacenado(leida->dia, leida->hora);
}

QString FechaAlmacenada(const QDateTime& momento)
{
    return textoAlmacenado(momento.date(), momento.time());
}

} // namespace ado::dialecto
