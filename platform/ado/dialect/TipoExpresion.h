#pragma once

#include <QStringView>

namespace ado::dialecto {

// The type the suite's server gives an expression, ordered by its precedence: when two types meet
// in an operator, CASE, COALESCE or a comparison, the one further down wins and the other is
// converted to it. `Desconocido` (a parameter, a name the schema does not declare, a subquery)
// wins over everything, so that nothing is decided from a guess; `Nulo` (a bare NULL) over nothing.
enum class TipoExpresion : unsigned char { Desconocido, Nulo, Texto, Entero, Decimal, Real, Fecha };

[[nodiscard]] constexpr TipoExpresion Combina(TipoExpresion a, TipoExpresion b)
{
    if (a == TipoExpresion::Desconocido || b == TipoExpresion::Desconocido)
        return TipoExpresion::Desconocido;
    return a < b ? b : a;
}

[[nodiscard]] constexpr bool EsNumerico(TipoExpresion t)
{
    return t == TipoExpresion::Entero || t == TipoExpresion::Decimal || t == TipoExpresion::Real;
}

// The type of a declared type name, read from its first word in any case: the server's names
// (int, decimal(12, 2), money, float, varchar(10), datetime, ...) and the engines' own (integer,
// int4, float8, numeric, citext, timestamp, ...). `Desconocido` for any other.
[[nodiscard]] TipoExpresion TipoDeNombre(QStringView declarado);

} // namespace ado::dialecto
