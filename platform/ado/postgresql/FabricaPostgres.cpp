#include "platform/ado/postgresql/FabricaPostgres.h"

#include "platform/ado/postgresql/ProveedorPostgres.h"

namespace ado::postgresql {

QList<ProveedorOfrecido> Proveedores()
{
    return {{QStringLiteral("PostgreSQL"), [] { return std::make_unique<ProveedorPostgres>(); }}};
}

} // namespace ado::postgresql
