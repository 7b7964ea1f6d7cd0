#include "platform/ado/sqlite/TraductorSqlite.h"

namespace ado::sqlite {
namespace {

dialecto::RasgosDialecto rasgosSqlite()
{
    dialecto::RasgosDialecto r;
    r.textoSinCaso = QStringLiteral(" COLLATE KQ_CI");
    r.ordenSinCaso = true;
    r.suma = QStringLiteral("KQ_SUMA");
    r.conversiones = {{QString(), QStringLiteral("KQ_CONVERT")}};
    r.funciones = {{QStringLiteral("ISNULL"), QStringLiteral("IFNULL")}};
    r.division = QStringLiteral("KQ_DIVIDE");
    r.divisionReal = QStringLiteral("KQ_DIVIDE_REAL");
    r.resto = QStringLiteral("KQ_RESTO");
    r.falla = QStringLiteral("KQ_FALLA(%1)");
    r.enteroTruncado = {QStringLiteral("CAST("), QStringLiteral(" AS INTEGER)")};
    // The server's functions the connection registers under KQ_ and the same name.
    for (const char* funcion : {"LEN",   "CHARINDEX", "GETDATE", "LEFT",     "RIGHT",     "SUBSTRING", "REPLICATE",
                                "SPACE", "CHAR",      "ASCII",   "STR",      "ISNUMERIC", "ROUND",     "YEAR",
                                "MONTH", "DAY",       "DATEADD", "DATEDIFF", "DATEPART",  "DATENAME"}) {
        const QString nombre = QString::fromLatin1(funcion);
        r.funciones.append({nombre, QStringLiteral("KQ_") + nombre});
    }
    return r;
}

} // namespace

TraductorSqlite::TraductorSqlite(EsquemaDialecto esquema) : traductor_(std::move(esquema), rasgosSqlite()) { }

} // namespace ado::sqlite
