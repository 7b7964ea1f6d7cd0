#pragma once

#include <QString>

#include <optional>

// The embedded schema's statements (db/sql/esquema.sql) as a PostgreSQL server takes them, so that
// both databases come from one script. Column types as TipoPostgres gives them, text ones (VARCHAR(n),
// TEXT) as citext (text that compares ignoring case and keeping accents) in the server's Spanish ICU
// collation "es-x-icu", so that MIN, MAX, < and BETWEEN order as the suite's server whatever the
// database's own default; COLLATE NOCASE goes (citext already ignores case), and "INTEGER PRIMARY KEY
// AUTOINCREMENT" becomes an identity column. Names, views, indexes and
// comments are kept as written. The table of stored procedures belongs to the embedded file only
// (the server keeps its routines itself), and the server's views take writes without triggers: their
// statements give nothing.
class DdlServidor {
public:
    [[nodiscard]] static std::optional<QString> Traduce(const QString& sentencia);
};
