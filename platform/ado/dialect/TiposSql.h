#pragma once

#include "platform/ado/dialect/TipoExpresion.h"
#include "platform/ado/dialect/TraductorDialecto.h"
#include "platform/ado/dialect/VistaSql.h"

#include <QHash>

#include <utility>
#include <vector>

namespace ado::dialecto {

// The type the server gives each expression of a text (TipoExpresion): literals, columns from the
// schema, the result types of functions, CASE, COALESCE and the server's precedence; and where an
// operand starts and ends as that precedence takes it. Operators, functions and comparisons whose
// meaning depends on types ask this pass; it writes nothing. Token numbers are the view's; a
// number outside it answers `Desconocido`, false or -1. Types are remembered once worked out, so a
// long chain of operators is typed in linear time.
class TiposSql {
public:
    TiposSql(const VistaSql& vista, const EsquemaDialecto& esquema);

    // The type of the primary that starts at `k` (a literal, NULL, a column, a call, a parenthesis, a
    // CASE); `fin` gets its last token. Nesting deeper than 64 is `Desconocido`.
    [[nodiscard]] TipoExpresion tipoPrimario(qsizetype k, qsizetype& fin, int profundidad);
    // The type of tokens `desde` to `hasta`: signed primaries joined by arithmetic operators;
    // anything else in it (a comparison, a keyword) makes it `Desconocido`.
    [[nodiscard]] TipoExpresion tipoTramo(qsizetype desde, qsizetype hasta, int profundidad);
    // The type of the operand that ends at `k`, back as far as "+" and "-" reach (only "*", "/" and
    // "%" with `soloTermino`).
    [[nodiscard]] TipoExpresion tipoIzquierdo(qsizetype k, bool soloTermino);
    // The type of an aggregate's argument, past the DISTINCT or ALL that may open it.
    [[nodiscard]] TipoExpresion tipoAgregado(std::pair<qsizetype, qsizetype> tramo, int profundidad);

    // The result expressions of CASE ... END (after each THEN and the ELSE), the arguments of the
    // call whose "(" is at `abre`, and the items of a list, each as its first and last token.
    [[nodiscard]] std::vector<std::pair<qsizetype, qsizetype>> resultadosCaso(qsizetype abre, qsizetype cierra);
    [[nodiscard]] std::vector<std::pair<qsizetype, qsizetype>> argumentos(qsizetype abre);
    [[nodiscard]] std::vector<std::pair<qsizetype, qsizetype>> elementos(qsizetype desde, qsizetype hasta);

    // Whether token `k` can end an operand (a literal, a name that is not a keyword of the grammar,
    // ")" or "?"), and whether it is an arithmetic or concatenation operator.
    [[nodiscard]] bool esFinOperando(qsizetype k) const;
    [[nodiscard]] bool esAritmetico(qsizetype k) const;
    // The first token after the signs that start at `k`.
    [[nodiscard]] qsizetype finSignos(qsizetype k) const;
    // First and last token of the primary that ends or starts at `k`.
    [[nodiscard]] qsizetype inicioPrimario(qsizetype k);
    [[nodiscard]] qsizetype finPrimario(qsizetype k);
    // First token of the sum whose last token is `k`, and of the term; last token of the term that
    // starts at `k` ("*", "/" and "%" bind tighter than "+" and "-").
    [[nodiscard]] qsizetype inicioOperando(qsizetype k);
    [[nodiscard]] qsizetype inicioTermino(qsizetype k);
    [[nodiscard]] qsizetype finOperando(qsizetype k);
    // First and last token of the dotted name (t.c, dbo.t.c) through `k`.
    [[nodiscard]] qsizetype inicioCadena(qsizetype k) const;
    [[nodiscard]] qsizetype finCadena(qsizetype k) const;

    // Records a binary "+" or "-" (`suma`), or "*", "/" or "%", whose operands run from `inicio` to
    // `fin` and give `tipo`: walking back over them then jumps them in one step.
    void anota(bool suma, qsizetype fin, qsizetype inicio, TipoExpresion tipo);
    // The first token of the sum recorded as ending at `fin`; -1 when none is.
    [[nodiscard]] qsizetype inicioSuma(qsizetype fin) const;

private:
    [[nodiscard]] TipoExpresion tipoNumero(qsizetype k) const;
    [[nodiscard]] TipoExpresion tipoCaso(qsizetype abre, qsizetype cierra, int profundidad);
    [[nodiscard]] TipoExpresion tipoFuncion(qsizetype k, int profundidad);

    const VistaSql& vista_;
    const EsquemaDialecto& esquema_;
    // Last token of any binary "+" or "-" → the first token of the sum and its type; the same for
    // "*", "/" and "%".
    QHash<qsizetype, std::pair<qsizetype, TipoExpresion>> tiposSuma_;
    QHash<qsizetype, std::pair<qsizetype, TipoExpresion>> tiposTermino_;
    // First token of a primary already typed → its type and last token.
    QHash<qsizetype, std::pair<TipoExpresion, qsizetype>> tiposPrimarios_;
};

} // namespace ado::dialecto
