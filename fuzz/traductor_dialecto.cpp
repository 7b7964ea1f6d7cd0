#include "Entrada.h"
#include "Literales.h"

#include "platform/ado/dialect/FechasDialecto.h"
#include "platform/ado/postgresql/TraductorPostgres.h"
#include "platform/ado/sqlite/TraductorSqlite.h"

#include <cstdlib>

namespace {

ado::dialecto::EsquemaDialecto esquema()
{
    return {{QStringLiteral("FECHA"), QStringLiteral("FECHAHORA_GRABACION"), QStringLiteral("VENCIMIENTO")},
            {QStringLiteral("NOMBRE"), QStringLiteral("MENSAJE"), QStringLiteral("CODIGO")}};
}

// A literal the rewrite may change: a day-first date, compared with or assigned to a date column.
bool esFecha(const LiteralSql& literal)
{
    return ado::dialecto::LeeFecha(literal.contenido).has_value();
}

} // namespace

// The first byte picks the engine (the embedded one or the server), the rest is the statement.
// The rewrite never changes the text inside a string literal: every literal of the statement that
// is not a date comes out whole, closed or not, in the same order.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    if (largo == 0)
        return 0;
    static const ado::sqlite::TraductorSqlite sqlite(esquema());
    static const ado::postgresql::TraductorPostgres postgres(esquema());
    const QString sentencia = textoDe(datos + 1, largo - 1);
    const QString traducida = (datos[0] & 1) ? postgres.traduce(sentencia) : sqlite.traduce(sentencia);
    if (!seConservan(literalesDe(sentencia), literalesDe(traducida), [](const LiteralSql& l) { return !esFecha(l); }))
        std::abort();
    return 0;
}
