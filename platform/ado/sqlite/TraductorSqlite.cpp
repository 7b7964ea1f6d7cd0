#include "platform/ado/sqlite/TraductorSqlite.h"

namespace ado::sqlite {

TraductorSqlite::TraductorSqlite(EsquemaDialecto esquema) : esquema_(std::move(esquema)) {}

QString TraductorSqlite::traduce(const QString& sentencia) const
{
    return sentencia;
}

} // namespace ado::sqlite
