#pragma once

#include "platform/ado/Proveedor.h"

namespace ado {

// Builds the schema rowsets every provider gives, laid out as ADO lays them out: adSchemaTables
// (TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, TABLE_TYPE) and adSchemaColumns (TABLE_CATALOG,
// TABLE_SCHEMA, TABLE_NAME, COLUMN_NAME, ORDINAL_POSITION, DATA_TYPE, CHARACTER_MAXIMUM_LENGTH,
// IS_NULLABLE). A backend reads its own catalogue and adds what it finds; a row is kept only when
// its first four values meet the restrictions, in ADO's order (catalog, schema, table, then the
// table's type or the column's name), compared ignoring case and the blanks around them. An
// absent, null or empty restriction restricts nothing.
class FilasEsquema {
public:
    // The declared length given for text without a limit.
    static constexpr int kTextoSinLimite = 1073741823;

    // An empty rowset of `tipo`: adSchemaTables, or else adSchemaColumns.
    FilasEsquema(int tipo, QVariantList restricciones);

    // Whether restriction `i` lets `valor` through.
    [[nodiscard]] bool cumple(int i, const QString& valor) const;

    // adSchemaTables: `tipo` "TABLE" or "VIEW".
    void agregaTabla(const QString& catalogo, const QString& esquema, const QString& tabla, const QString& tipo);
    // adSchemaColumns: `posicion` from 1, `tipo` the ADO type, `largo` the declared length (null
    // when the type has none).
    void agregaColumna(const QString& catalogo, const QString& esquema, const QString& tabla, const QString& columna,
                       int posicion, int tipo, const QVariant& largo, bool admiteNulos);

    [[nodiscard]] Resultado resultado() &&;

private:
    void agregaSiCumple(QVariantList fila);

    QVariantList restricciones_;
    Resultado resultado_;
};

} // namespace ado
