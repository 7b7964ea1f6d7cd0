#include "platform/ado/odbc/FabricaOdbc.h"

#include "platform/ado/odbc/ProveedorOdbc.h"

namespace ado::odbc {

QList<ProveedorOfrecido> Proveedores()
{
    const auto de
        = [](ProveedorOdbc::Destino destino) { return [destino] { return std::make_unique<ProveedorOdbc>(destino); }; };
    return {{QStringLiteral("SQLOLEDB"), de(ProveedorOdbc::Destino::SqlServer)},
            {QStringLiteral("OraOLEDB.Oracle.1"), de(ProveedorOdbc::Destino::Oracle)},
            {QStringLiteral("ODBC"), de(ProveedorOdbc::Destino::Generico)}};
}

} // namespace ado::odbc
