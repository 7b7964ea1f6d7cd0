#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace ado::sqlite {

// What the translator knows of the schema: the names (upper case, any table) of the columns
// declared as dates and of those declared as text. Read from the database when it is opened.
struct EsquemaDialecto {
    QSet<QString> columnasFecha;
    QSet<QString> columnasTexto;
};

// A call "EXEC name arg, arg, ..." taken apart: the procedure name without owner or brackets, and
// each positional argument as its value (quotes removed and doubled quotes undone), or a null
// QString for NULL.
struct LlamadaProcedimiento {
    QString nombre;
    QStringList argumentos;
};

// Rewrites one statement written in the suite's SQL Server dialect into SQLite's, with a
// quote-aware tokenizer (never a regular expression over raw text). String literals and quoted
// names are never rewritten, except a day-first date literal compared with a date column.
// Collations and functions named in the output are those that RegistraFuncionesDialecto registers.
class TraductorSqlite {
public:
    explicit TraductorSqlite(EsquemaDialecto esquema);

    [[nodiscard]] QString traduce(const QString& sentencia) const;

    // The call, when the statement is an EXEC or EXECUTE of a procedure with positional literal
    // arguments; nothing otherwise.
    [[nodiscard]] static std::optional<LlamadaProcedimiento> leeLlamada(const QString& sentencia);

private:
    EsquemaDialecto esquema_;
};

} // namespace ado::sqlite
