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

    // EXEC calls are not statements for this translator: the provider runs them itself.
    [[nodiscard]] QString traduce(const QString& sentencia) const;

private:
    EsquemaDialecto esquema_;
};

} // namespace ado::sqlite
