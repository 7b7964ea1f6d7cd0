#pragma once

#include "platform/ado/ProveedorQtSql.h"

#include <QSqlDatabase>

class QSqlQuery;

namespace ado::odbc {

// The suite's own servers through ODBC (Qt's QODBC driver over unixODBC). The statements go to the
// server as they are: SQL Server speaks the suite's dialect itself, and DB_Dll translates for Oracle.
class ProveedorOdbc : public ProveedorQtSql {
public:
    // The driver a provider name stands for.
    enum class Destino {
        SqlServer, // "SQLOLEDB": the FreeTDS driver
        Oracle, // "OraOLEDB.Oracle.1": an Oracle driver
        Generico, // "ODBC": "DSN=" or "Driver=" given in the connection string
    };

    explicit ProveedorOdbc(Destino destino);
    ~ProveedorOdbc() override;

    // The ODBC connection string for an ADO one, the password included (it never leaves the
    // provider). SqlServer: "Server" as host, host:port, host,port or host\instance, "Database",
    // "UId"/"User Id", "Pwd"/"Password". Oracle: "Data Source" as the DBQ. Generico: every item but
    // "Provider", as written. A "Driver" item in the ADO string replaces the driver of the destino.
    [[nodiscard]] static QString CadenaOdbc(Destino destino, const CadenaConexion& cadena);

    // The driver is looked up among those unixODBC has installed; a missing one fails with
    // ProveedorNoEncontrado and a Spanish message naming the provider, the driver and its package. A refused connection fails with Fallo and the
    // driver's message, never the password.
    void abre(const CadenaConexion& cadena) override;
    void cierra() override;

    // Records affected as the driver reports them (-1 when it reports none).
    int32_t ejecuta(const QString& sentencia) override;
    Resultado consulta(const QString& sentencia) override;

    // Tables and views, and their columns, as the driver lists them (TABLE_SCHEMA empty).
    Resultado esquema(int tipo, const QVariantList& restricciones) override;

    // Sends "USE name": SQL Server's way; other servers refuse it with their own error.
    void fijaBaseDeDatos(const QString& nombre) override;
    // Does nothing: statements wait as long as the driver lets them.
    void fijaTiempoEspera(int segundos) override;

protected:
    [[noreturn]] void falla(const QSqlError& error) const override;
    // A failed statement, classified by its ODBC state when the driver gives one.
    [[noreturn]] void fallaConsulta(const QSqlQuery& q) const override;
    // Transactions through the driver, which turns its autocommit mode off and on.
    void pasoTransaccion(PasoTransaccion paso) override;
    // Row writes: names and values as given, originals compared with "=". The UPDATE changes every
    // row whose columns equal the originals: ODBC offers no portable way to name just the first one.
    [[nodiscard]] QString citaNombre(const QString& nombre) const override;
    [[nodiscard]] QVariant valorEscrito(const QVariant& valor, const QString& columna) const override;
    [[nodiscard]] QString condicionOriginal(const QString& citada, const QVariant& original,
                                            QVariantList& valores) const override;

private:
    Destino destino_;
};

} // namespace ado::odbc
