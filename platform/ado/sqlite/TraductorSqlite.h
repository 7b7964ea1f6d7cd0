#pragma once

#include <QSet>
#include <QString>

namespace ado::sqlite {

// What the translator knows of the schema: the names (upper case, any table) of the columns
// declared as dates and of those declared as text. Read from the database when it is opened.
struct EsquemaDialecto {
    QSet<QString> columnasFecha;
    QSet<QString> columnasTexto;
};

// Rewrites one statement written in the suite's SQL Server dialect into SQLite's, with a
// quote-aware tokenizer (never a regular expression over raw text). String literals and quoted
// names are never rewritten, except a day-first date literal compared with a date column.
// Collations and functions named in the output are those that RegistraFuncionesDialecto registers.
class TraductorSqlite {
public:
    explicit TraductorSqlite(EsquemaDialecto esquema);

    // Returns `sentencia` in SQLite's dialect; keywords are recognised in any case. Any text is
    // accepted: what cannot be understood (an unterminated quote, garbage) is passed through as it is,
    // for the database to report. EXEC calls are not statements for this translator: the provider runs
    // them itself. Several statements separated by ";" are translated one by one.
    //  - [name] becomes "name"; an owner dbo. or [dbo]. in front of a name is dropped; N'x' becomes 'x'.
    //  - TOP n or TOP (n) after SELECT [DISTINCT|ALL] becomes " LIMIT n" after the last token of that
    //    SELECT: at the end of the statement or before the parenthesis closing its subquery. In a
    //    compound SELECT the LIMIT therefore ends the whole compound. TOP ... PERCENT and WITH TIES
    //    are left as written (the database rejects them).
    //  - LEN, CHARINDEX, GETDATE (ours) and ISNULL (IFNULL), only as unqualified calls.
    //  - " COLLATE KQ_CI" follows the left operand of a comparison (= <> != < > <= >= [NOT] LIKE,
    //    [NOT] BETWEEN, [NOT] IN) unless that operand is a bare column not known as text, a number or
    //    NULL, or the right operand is a bare date column (so a date index stays usable). Function
    //    calls, parenthesised expressions, expressions with operators and string literals count as text.
    //    The assignment "=" of UPDATE ... SET gets none; a comparison inside an assigned value does.
    //    A bare text column as an ORDER BY item gets it too, so rows sort ignoring case.
    //  - A day-first literal (read by LeeFecha) becomes its stored form when it is compared with a bare
    //    date column (either side of = <> != < > <= >=, both ends of BETWEEN, items of an IN list),
    //    assigned to one in UPDATE ... SET, or placed at a date column's position in
    //    INSERT INTO t (columns) VALUES (...), several rows included. Without a column list nothing
    //    of an INSERT is rewritten. Unreadable literals stay as written.
    //  - CREATE, ALTER and DROP get only the name and N'' rewriting, so the schema never names the
    //    collation or functions of the connection.
    [[nodiscard]] QString traduce(const QString& sentencia) const;

private:
    EsquemaDialecto esquema_;
};

} // namespace ado::sqlite
