#include "platform/ado/sqlite/FabricaSqlite.h"

#include "platform/ado/sqlite/ProveedorSqlite.h"

namespace ado::sqlite {

QList<ProveedorOfrecido> Proveedores()
{
    return {{QStringLiteral("SQLite"), [] { return std::make_unique<ProveedorSqlite>(); }}};
}

} // namespace ado::sqlite
