#include "ProveedorNulo.h"

#include "platform/ado/RegistroProveedores.h"

void ProveedorNulo::RegistraComoOracle()
{
    ado::RegistroProveedores::registra(QStringLiteral("OraOLEDB.Oracle.1"),
                                       [] { return std::make_unique<ProveedorNulo>(); });
}
