#pragma once

#include <QString>

class SharedRuntime;

// The textual translation of the suite's SQL Server statements for an Oracle connection: TOP row
// limits, LEN, [brackets], comparisons on the suite's date columns (compared by day), quoted date
// literals and Charindex. Every search ignores case. No parser is involved: the rules below are the
// whole translation, applied in this order to the whole text. Quoted literals and comments stay
// whole: nothing inside them is found or rewritten, except that the whole text is upper-cased.
//
// On a connection that does not count as Oracle (EsConexionOracle) the only effect is upper-casing
// the text. A single word only maps LEN to LENGTH. Otherwise: TOP n, the keyword right after SELECT
// or SELECT DISTINCT, becomes a ROWNUM condition; " LEN(" (zero to four blanks before the
// parenthesis) becomes " LENGTH("; a bracketed name becomes a quoted one ([a]]b] is "a]b"); the
// WHERE part (from the first WHERE keyword outside literals, comments and quoted names) is cut into
// pieces at blanks and right after < > = ( ) (unless the character opens the piece), a literal, a
// comment or a quoted name staying whole, and rebuilt with single blanks (a line comment keeps its
// line end), a piece that is one of the date columns becoming
// TO_DATE(TO_CHAR(col,'DD/MM/YYYY'),'DD/MM/YYYY'); every quoted literal that reads as a day-first
// date becomes TO_DATE('dd/mm/yyyy','DD/MM/YYYY'); Charindex becomes InStr. A doubled quote inside a
// literal or a quoted name stays doubled.
//
// Raises error 5 for a TOP not followed by a whole number ("5" or "(5)") and a blank, and for a quote
// that is never closed.
// Each date literal is converted where it stands, once: a date that appears twice is not wrapped
// twice. Runs in time linear in the length of the text.
class DiccionarioOracle {
public:
    [[nodiscard]] static QString Traduce(const QString& valor, const QString& cadenaConexion,
                                         const SharedRuntime& runtime);

    // Whether a connection string counts as Oracle: it names ORACLE (case ignored) anywhere, or,
    // with `desdeElSegundoCaracter`, anywhere but at its very first character. A string whose
    // Provider is one of the program's own (SQLite, PostgreSQL, ODBC) never counts, whatever its
    // path, host or user holds.
    [[nodiscard]] static bool EsConexionOracle(const QString& cadenaConexion, bool desdeElSegundoCaracter);
};
