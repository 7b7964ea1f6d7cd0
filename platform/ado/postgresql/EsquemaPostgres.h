#pragma once

#include "platform/ado/Proveedor.h"
#include "platform/ado/dialect/TraductorDialecto.h"

#include <QSqlDatabase>

namespace ado::postgresql {

// What the provider reads of the schema of the connected database: the date and text columns
// (upper case) for the dialect, and the rowsets of OpenSchema. Only the schemas on the connection's
// search path count; the server's own catalogs never do.
class EsquemaPostgres {
public:
    // The date columns (date, timestamp, time) and the text ones (citext, text, varchar, char).
    [[nodiscard]] static dialecto::EsquemaDialecto dialecto(const QSqlDatabase& base);

    // adSchemaTables: TABLE_CATALOG (the database), TABLE_SCHEMA ("dbo" for the default schema
    // public, as the suite's server names its own), TABLE_NAME, TABLE_TYPE ("TABLE" or "VIEW"),
    // ordered by type and name. adSchemaColumns: TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME,
    // COLUMN_NAME, ORDINAL_POSITION, DATA_TYPE (the ADO type), CHARACTER_MAXIMUM_LENGTH (declared
    // length, 1073741823 for unbounded text, null otherwise), IS_NULLABLE. Restrictions as ADO
    // orders them, compared ignoring case; an empty or null one restricts nothing.
    [[nodiscard]] static Resultado tablas(const QSqlDatabase& base, const QVariantList& restricciones);
    [[nodiscard]] static Resultado columnas(const QSqlDatabase& base, const QVariantList& restricciones);

    // The ADO type of a PostgreSQL type name (udt_name: int4, citext, timestamp, ...).
    [[nodiscard]] static int TipoAdo(const QString& tipo);
};

} // namespace ado::postgresql
