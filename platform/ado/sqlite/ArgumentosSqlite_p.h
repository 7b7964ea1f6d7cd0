#pragma once

// Helpers of the functions registered on the connection: reading their arguments and giving their
// results, with the suite's server's conventions (dates as stored text, errors in Spanish).

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <sqlite3.h>

namespace ado::sqlite::argumentos {

inline bool algunNulo(int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    return false;
}

inline bool esNumero(sqlite3_value* v)
{
    const int tipo = sqlite3_value_type(v);
    return tipo == SQLITE_INTEGER || tipo == SQLITE_FLOAT;
}

// The value as text; a real in its shortest form (1.5, not 1.500000).
inline QString texto(sqlite3_value* v)
{
    if (sqlite3_value_type(v) == SQLITE_FLOAT)
        return QString::number(sqlite3_value_double(v), 'g', 15);
    const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return QString::fromUtf8(t, sqlite3_value_bytes(v));
}

inline void daTexto(sqlite3_context* ctx, const QString& t)
{
    const QByteArray bytes = t.toUtf8();
    sqlite3_result_text(ctx, bytes.constData(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
}

inline void daError(sqlite3_context* ctx, const QString& mensaje)
{
    const QByteArray bytes = mensaje.toUtf8();
    sqlite3_result_error(ctx, bytes.constData(), static_cast<int>(bytes.size()));
}

// "2025-03-05 09:30:00", or "2025-03-05 09:30:00.250" when there are milliseconds: how a date the
// functions compute is given back, the stored form of a date column.
inline QString textoFecha(const QDateTime& momento)
{
    return momento.toString(momento.time().msec() ? QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")
                                                  : QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// Rounds half away from zero at `decimales` (below 0: tens, hundreds...), or cuts with `trunca`; the
// nudge of a few units in the last place makes 2.675 (stored a hair below) round as written.
inline double redondea(double x, int decimales, bool trunca)
{
    const double escala = std::pow(10.0, decimales);
    const double r = x * escala;
    return (trunca ? std::trunc(r) : std::round(r * (1 + 4 * DBL_EPSILON))) / escala;
}

// One function of the connection: its name, its number of arguments and its body.
struct FuncionSqlite {
    const char* nombre;
    int argumentos;
    void (*cuerpo)(sqlite3_context*, int, sqlite3_value**);
};

// Registers deterministic UTF-8 functions on a connection.
inline void registra(sqlite3* conexion, std::initializer_list<FuncionSqlite> funciones)
{
    for (const FuncionSqlite& f : funciones)
        sqlite3_create_function_v2(conexion, f.nombre, f.argumentos, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                   f.cuerpo, nullptr, nullptr, nullptr);
}

// "09:30:15", as a time value is given back.
inline QString textoHora(const QDateTime& momento)
{
    return momento.toString(QStringLiteral("HH:mm:ss"));
}

// The date a value stands for, in UTC so that no daylight-saving shift enters the arithmetic: a
// date text (day-first, ISO, stored form; '' is 1 January 1900, a time alone is on that day, AM/PM
// may follow the time, six digits are yymmdd), or a number of days since 1900-01-01 as the suite's
// server reads one. Nothing for anything else.
std::optional<QDateTime> fecha(sqlite3_value* v);

} // namespace ado::sqlite::argumentos
