#pragma once

#include "platform/ado/Proveedor.h"

#include <QSqlDatabase>

namespace ado::odbc {

// The schema rowsets of a database reached through ODBC, as the driver lists its tables and views
// and their columns. TABLE_CATALOG is `catalogo`, the database the connection string named;
// TABLE_SCHEMA is empty, and a schema restriction restricts nothing. DATA_TYPE is the ADO type of the
// driver's description; CHARACTER_MAXIMUM_LENGTH the length of a text column, when the driver gives
// one; IS_NULLABLE false only for a column the driver says is required.
class EsquemaOdbc {
public:
    [[nodiscard]] static Resultado tablas(const QSqlDatabase& base, const QString& catalogo,
                                          const QVariantList& restricciones);
    [[nodiscard]] static Resultado columnas(const QSqlDatabase& base, const QString& catalogo,
                                            const QVariantList& restricciones);
};

} // namespace ado::odbc
