#pragma once

#include "platform/ado/Proveedor.h"
#include "platform/ado/sqlite/TiposSqlite.h"
#include "platform/ado/sqlite/TraductorSqlite.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <optional>

namespace ado::sqlite {

// What the provider knows of the tables and views of one database: the declared types of their
// columns, read with PRAGMA table_info. SQLite's own tables (sqlite_*) are left out.
class EsquemaSqlite {
public:
    // Reads the schema; throws FalloProveedor when the database cannot be read (not a database
    // file, for instance). A view whose columns cannot be read (it names a missing table) is kept
    // without columns.
    [[nodiscard]] static EsquemaSqlite lee(const QSqlDatabase& base);

    // The date and text columns, upper case, for the dialect translator.
    [[nodiscard]] const EsquemaDialecto& dialecto() const { return dialecto_; }
    // Whether a column of that name (any case, any table) is declared as a date.
    [[nodiscard]] bool esFecha(const QString& columna) const;
    // The declared type of a column of that name (any case); when several tables declare it, the
    // first table in name order wins. Nothing for a name no table declares with a type.
    [[nodiscard]] std::optional<TipoAdo> tipoDe(const QString& columna) const;

    // adSchemaTables: one row per table and view, ordered by type and name; TABLE_CATALOG is
    // `catalogo`, TABLE_SCHEMA "dbo", TABLE_TYPE "TABLE" or "VIEW". The procedures table
    // KQ_PROCEDIMIENTOS is left out. Restrictions (catalog, schema, table, type) compare ignoring
    // case; an absent, null or empty one restricts nothing.
    [[nodiscard]] Resultado tablas(const QVariantList& restricciones, const QString& catalogo) const;
    // adSchemaColumns: one row per column, by table name and ORDINAL_POSITION (from 1). DATA_TYPE
    // is the ADO type of the declaration (adVariant when undeclared); CHARACTER_MAXIMUM_LENGTH is
    // the declared length of a character column, 1073741823 for a long text, null otherwise;
    // IS_NULLABLE is false for NOT NULL columns. Restrictions: catalog, schema, table, column.
    [[nodiscard]] Resultado columnas(const QVariantList& restricciones, const QString& catalogo) const;

private:
    struct ColumnaDeclarada {
        QString nombre;
        QString declarado;
        bool admiteNulos = true;
    };
    struct Tabla {
        QString nombre;
        bool esVista = false;
        QList<ColumnaDeclarada> columnas;
    };

    QList<Tabla> tablas_;
    EsquemaDialecto dialecto_;
    QHash<QString, TipoAdo> tipos_; // upper-case column name
};

} // namespace ado::sqlite
