#pragma once

#include "platform/ado/CadenaConexion.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace ado {

// One column of a result, with its ADO type code and defined size (0 when unbounded).
struct Columna {
    QString nombre;
    int tipo = 0;
    int tamanoDefinido = 0;
};

// Rows fetched all at once: what a client-side recordset holds. A null value is a null QVariant;
// date columns come back as QDateTime.
struct Resultado {
    QList<Columna> columnas;
    std::vector<QVariantList> filas;
};

// One backend behind ado::Connection. Every failing call throws FalloProveedor with the error
// numbered as ADO numbers it (Constantes.h). Backends are created through RegistroProveedores.
class Proveedor {
public:
    virtual ~Proveedor() = default;

    virtual void abre(const CadenaConexion& cadena) = 0;
    virtual void cierra() = 0;

    // Runs a statement; returns the records it affected, or -1 when it reports none.
    virtual int32_t ejecuta(const QString& sentencia) = 0;
    // Runs a query and fetches every row.
    virtual Resultado consulta(const QString& sentencia) = 0;

    virtual void iniciaTransaccion() = 0;
    virtual void confirmaTransaccion() = 0;
    virtual void deshaceTransaccion() = 0;

    // The schema rowsets: adSchemaTables (TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, TABLE_TYPE) and
    // adSchemaColumns (TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, COLUMN_NAME, ORDINAL_POSITION,
    // DATA_TYPE, CHARACTER_MAXIMUM_LENGTH, IS_NULLABLE). `restricciones` follow ADO's order
    // (catalog, schema, table, column); an empty or null entry restricts nothing.
    virtual Resultado esquema(int tipo, const QVariantList& restricciones) = 0;

    // The writes behind Recordset.AddNew/Update on a single-table source. `actualizaFila` changes the
    // first row whose columns all hold `originales` (nulls match nulls).
    virtual void insertaFila(const QString& tabla, const QStringList& columnas, const QVariantList& valores) = 0;
    virtual void actualizaFila(const QString& tabla, const QStringList& columnas, const QVariantList& originales,
                               const QVariantList& nuevos)
        = 0;

    virtual QString baseDeDatos() const = 0;
    virtual void fijaBaseDeDatos(const QString& nombre) = 0;
    virtual void fijaTiempoEspera(int segundos) = 0;
};

// A provider offered under a "Provider=" name, and how to make one.
struct ProveedorOfrecido {
    QString nombre;
    std::function<std::unique_ptr<Proveedor>()> crea;
};

} // namespace ado
