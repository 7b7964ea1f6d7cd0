#pragma once

#include <QString>

class SharedRuntime;

// The textual translation of the suite's SQL Server statements for an Oracle connection: TOP row
// limits, LEN, [brackets], comparisons on the suite's date columns (compared by day), quoted date
// literals and Charindex. Every search ignores case. No parser is involved: the rules below are the
// whole translation, applied in this order to the whole text.
//
// On a connection string without "ORACLE" the only effect is upper-casing the text. A single word
// only maps LEN to LENGTH. Otherwise: TOP n becomes a ROWNUM condition; " LEN(" (zero to four blanks
// before the parenthesis) becomes " LENGTH("; brackets become double quotes; the WHERE part is cut
// into tokens at blanks, < > " = ( ) and quotes and rebuilt with single blanks, a token that is one
// of the date columns becoming TO_DATE(TO_CHAR(col,'DD/MM/YYYY'),'DD/MM/YYYY'); every quoted literal
// that reads as a day-first date becomes TO_DATE('dd/mm/yyyy','DD/MM/YYYY'); Charindex becomes InStr.
//
// Raises error 5 for a TOP with no blank after its number and for a quote that is never closed.
// Each date literal is converted where it stands, once: a date that appears twice is not wrapped
// twice. Runs in time linear in the length of the text.
class DiccionarioOracle {
public:
    [[nodiscard]] static QString Traduce(const QString& valor, const QString& cadenaConexion, const SharedRuntime& runtime);

    // The steps, for tests and benchmarks.
    [[nodiscard]] static QString Top(const QString& valor);
    [[nodiscard]] static QString ColumnasFecha(const QString& w);
    [[nodiscard]] static QString LiteralesFecha(const QString& w);
};
