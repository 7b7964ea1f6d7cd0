#include "platform/ado/sqlite/TraductorSqlite.h"

namespace ado::sqlite {
namespace {

dialecto::RasgosDialecto rasgosSqlite()
{
    dialecto::RasgosDialecto r;
    r.textoSinCaso = QStringLiteral(" COLLATE KQ_CI");
    r.ordenSinCaso = true;
    r.funciones = {{QStringLiteral("LEN"), QStringLiteral("KQ_LEN")},
                   {QStringLiteral("CHARINDEX"), QStringLiteral("KQ_CHARINDEX")},
                   {QStringLiteral("GETDATE"), QStringLiteral("KQ_GETDATE")},
                   {QStringLiteral("ISNULL"), QStringLiteral("IFNULL")}};
    return r;
}

} // namespace

TraductorSqlite::TraductorSqlite(EsquemaDialecto esquema) : traductor_(std::move(esquema), rasgosSqlite()) {}

} // namespace ado::sqlite
