#pragma once

#include "platform/ado/dialect/TipoExpresion.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

namespace ado::dialecto {

// What the translator knows of the schema: the names (upper case, any table) of the columns
// declared as dates and of those declared as text. Each provider reads them when it opens.
// `tipos` gives the type of every declared column by its upper-case name; a name that two tables
// declare with different types is `Desconocido`. `columnasTabla` lists each table's columns (upper
// case, both) in their declared order, for an INSERT without a column list.
struct EsquemaDialecto {
    QSet<QString> columnasFecha;
    QSet<QString> columnasTexto;
    QHash<QString, TipoExpresion> tipos;
    QHash<QString, QList<QString>> columnasTabla;

    // Records one declared column of `tabla`.
    void declara(const QString& tabla, const QString& columna, TipoExpresion tipo);
};

// A function of the suite's dialect and the name the engine knows it by.
struct FuncionDialecto {
    QString suite;
    QString motor;
};

// What differs from one engine to the next; everything else is the same rewrite.
struct RasgosDialecto {
    // Appended to a text operand so that the comparison ignores case, e.g. " COLLATE KQ_CI".
    QString textoSinCaso;
    // Only when the right operand can be text too (a string literal, a "?" parameter, a column known
    // as text, or any LIKE pattern): for an engine whose marker is a type cast, which a number on the
    // other side would not accept.
    bool sinCasoSoloFrenteATexto = false;
    // Text is ordered and grouped through `textoSinCaso` too: an ORDER BY or GROUP BY item that is a
    // text column or an expression (a number is a column's position), the argument of MIN, MAX and
    // COUNT(DISTINCT ...), and the text columns of a SELECT DISTINCT or of the SELECTs a UNION,
    // EXCEPT or INTERSECT joins (kept under their own name). For an engine whose text columns do
    // not order that way themselves.
    bool ordenSinCaso = false;
    // Appended to an ORDER BY item that is a bare text column, e.g. a collation that gives the same
    // order faster than the column's own when the whole result is sorted; not under TOP (an index on
    // the column may give the first rows without sorting), nor in a SELECT DISTINCT or a compound
    // SELECT, nor for a name a column alias also gives, as their ORDER BY names the result's
    // columns. Empty leaves them as they are.
    QString ordenColumnaTexto;
    // The engine's function for "a + b" with the suite's typing (text concatenates, numbers add);
    // empty leaves "+" as it is.
    QString suma;
    // CAST(x AS tipo) and CONVERT(tipo, x[, estilo]) become calls f(x, 'tipo'[, estilo]), the type
    // as written in a string literal; f is the function given for the type's name (`suite`, any
    // case, without its measures), or the one given for "" when none is. Empty leaves them as written.
    QList<FuncionDialecto> conversiones;
    // "[NOT] LIKE p [ESCAPE e]" whose pattern is not a lone string literal, or is one holding a
    // bracket class or a backslash, becomes "~* f(p[, e])" ("!~* ..."): f turns the suite's pattern
    // into the engine's regular expression. Empty leaves LIKE as it is.
    QString patronLike;
    // A comparison of text with string literals (= <> != < > <= >=, BETWEEN, IN) ignores trailing
    // blanks, as the suite's server pads the shorter side: the literals lose theirs and the left
    // operand goes through this function, e.g. "rtrim". Empty leaves them as written.
    QString sinBlancosFinales;
    // [Name] and "Name" come out in lower case: for an engine that folds unquoted names to lower case
    // and keeps the case of quoted ones.
    bool nombresEnMinusculas = false;
    // Unqualified calls renamed, e.g. LEN → KQ_LEN; names are matched in any case.
    QList<FuncionDialecto> funciones;
    // "a / b" becomes division(a, b), and "a % b" resto(a, b): functions that refuse a zero divisor
    // with the server's message (NULL on either side gives NULL first). `divisionReal` divides as
    // reals, for a decimal or float operand (a decimal stored whole would divide as an integer).
    // The operands are taken as the server's precedence takes them. Empty leaves them as they are.
    QString division;
    QString divisionReal;
    QString resto;
    // Written around what the server gives as an integer where the engine may not: AVG of an
    // integer, ISNULL and NULLIF of an integer and a decimal or float. The whole part, e.g.
    // {"CAST(", " AS INTEGER)"}. Empty leaves them as they are.
    std::pair<QString, QString> enteroTruncado;
    // A call that refuses the statement with the server's message, "%1" standing for the message as
    // a string literal, e.g. "KQ_FALLA(%1)". Used for what the server refuses by its types (a minus
    // before text, text with text in "-", "*", "/" and "%"): the whole statement becomes
    // "SELECT " and that call, so that it is refused before any row is read, as the server refuses
    // it before running it. Empty leaves those to the engine.
    QString falla;
    // A bare NULL as an operand of arithmetic, or as the result of CASE, COALESCE, ISNULL or NULLIF
    // of numbers or of NULLs alone, written as the server types it (an int), e.g.
    // "CAST(NULL AS integer)": for an engine that cannot type a bare NULL there. Empty leaves it.
    QString nuloEntero;
    // An ORDER BY item puts NULL first when ascending and last when descending, as the server does,
    // for an engine that does the opposite.
    bool nulosComoServidor = false;
};

// The type the server gives each aliased column ("x AS nombre", "x nombre") of the statement's
// SELECT list, by the alias in upper case; `Desconocido` where the types of its expression are not
// all known. Nothing for a statement that is not a SELECT.
[[nodiscard]] QHash<QString, TipoExpresion> TiposDeAlias(const EsquemaDialecto& esquema, QStringView sentencia);

// Rewrites one statement written in the suite's SQL Server dialect for one engine, with a
// quote-aware tokenizer (never a regular expression over raw text). String literals and quoted
// names are never rewritten, except a day-first date literal compared with or stored into a date
// column, a literal that meets a number (below) and the trailing blanks of a literal compared with
// text (`sinBlancosFinales`).
class TraductorDialecto {
public:
    TraductorDialecto(EsquemaDialecto esquema, RasgosDialecto rasgos);

    // Returns `sentencia` rewritten; keywords are recognised in any case. Any text is accepted: what
    // cannot be understood (an unterminated quote, garbage) is passed through as it is, for the
    // database to report. EXEC calls are not statements for this translator: the provider runs them
    // itself. Several statements separated by ";" are translated one by one.
    //  - [name] becomes "name" ("name" in lower case with `nombresEnMinusculas`); an owner dbo. or [dbo]. in front of a name is dropped; N'x' becomes 'x'.
    //  - TOP n or TOP (n) after SELECT [DISTINCT|ALL] becomes " LIMIT n" after the last token of that
    //    SELECT: at the end of the statement or before the parenthesis closing its subquery. In a
    //    compound SELECT the LIMIT therefore ends the whole compound. TOP ... PERCENT and WITH TIES
    //    are left as written (the database rejects them).
    //  - The functions of the rasgos, only as unqualified calls. The part named first in DATEADD,
    //    DATEDIFF, DATEPART and DATENAME becomes a string literal (day → 'day').
    //  - Table hints are dropped: "WITH (NOLOCK)", "WITH (NOLOCK, INDEX(ix))" and the old "(NOLOCK)"
    //    after a table or alias, for any of the server's hint words.
    //  - Every expression is typed as the server types it (TipoExpresion: columns from the schema,
    //    literals, the result types of functions, the server's precedence). With `suma`:
    //    - a binary "+" of numbers (or NULL) stays; one of text beside a number converts the text
    //      (a literal to its value, anything else through the conversion of the rasgos); any other
    //      becomes a call: "a + b * c + d" is suma(suma(a, b * c), d), the operands taken as far as
    //      the server's precedence takes them ("*", "/", "%" bind tighter; comparisons, AND, commas
    //      and the enclosing parenthesis end them). A unary "+" goes.
    //    - "-", "*", "/", "%", comparisons, ISNULL, NULLIF, COALESCE and CASE convert text meeting a
    //      number to that number; a statement the server refuses by type (a minus before text, text
    //      with text in "-" "*" "/" "%") becomes the call of `falla`. "/" and "%" become `division`
    //      calls, AVG of an integer and ISNULL or NULLIF of an integer with a decimal keep the
    //      integer (`enteroTruncado`), a bare NULL in arithmetic is `nuloEntero`.
    //  - CAST and CONVERT, LIKE patterns and trailing blanks as the rasgos say.
    //  - The text marker of the rasgos follows the left operand of a comparison (= <> != < > <= >=
    //    [NOT] LIKE, [NOT] BETWEEN, [NOT] IN) unless that operand is a bare column not known as text,
    //    a number or NULL, or the right operand is a bare date column (so a date index stays usable).
    //    Function calls, parenthesised expressions, expressions with operators and string literals
    //    count as text. The assignment "=" of UPDATE ... SET gets none; a comparison inside an
    //    assigned value does. With `ordenSinCaso`, a bare text column as an ORDER BY item gets it too.
    //  - A day-first literal (read by LeeFecha) becomes "2025-03-05 09:30:00" when it is compared with
    //    a bare date column (either side of = <> != < > <= >=, both ends of BETWEEN, items of an IN
    //    list), assigned to one in UPDATE ... SET, or placed at a date column's position in
    //    INSERT INTO t [(columns)] VALUES (...), several rows included, or in the column list of
    //    INSERT INTO t [(columns)] SELECT ...; without a column list the table's columns in their
    //    order count. A literal stored into a number column becomes that number likewise.
    //    Unreadable literals stay as written.
    //  - With `nulosComoServidor`, an ORDER BY item gets NULLS FIRST (ascending) or NULLS LAST.
    //  - CREATE, ALTER and DROP get only the name and N'' rewriting, so the schema never names the
    //    collation or functions of the connection.
    [[nodiscard]] QString traduce(const QString& sentencia) const;

private:
    EsquemaDialecto esquema_;
    RasgosDialecto rasgos_;
};

} // namespace ado::dialecto
