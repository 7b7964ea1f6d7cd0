#include "platform/ado/sqlite/TraductorSqlite.h"

#include "platform/ado/sqlite/ReescrituraDialecto.h"

namespace ado::sqlite {

TraductorSqlite::TraductorSqlite(EsquemaDialecto esquema) : esquema_(std::move(esquema)) {}

QString TraductorSqlite::traduce(const QString& sentencia) const
{
    return ReescrituraDialecto(esquema_, sentencia).resultado();
}

} // namespace ado::sqlite
