#pragma once

#include <QDate>
#include <QString>

// Creating the agenda's database on a PostgreSQL server.
class BaseServidor {
public:
    // On the server that `cadena` ("Provider=PostgreSQL;Server=host[:port];Database=agenda;UId=...;
    // Pwd=...") names: creates the database when it does not exist (UTF-8, Spanish sort order), the
    // citext extension, the schema and KQ_CREARAGENDA, and when `conDemo` the demo data for `hoy`.
    // The database name must be a plain lower-case name (letters, digits, _), as the server folds
    // unquoted names. A database that already holds the agenda's tables is left as it is; when its
    // text columns order without the Spanish rules (an older schema in a database made with the
    // server's default locale), the error says in Spanish which commands move the agenda into a
    // database that orders right. A server without the ICU collation "es-x-icu" is refused. Raises
    // ErrorVB on failure (the message never shows the password).
    static void Crea(const QString& cadena, bool conDemo, const QDate& hoy);
};
