#include "platform/ado/odbc/ErroresOdbc.h"

#include "runtime/ClavesEnTexto.h"

namespace ado::odbc {
namespace {

constexpr EstadoSql kEstados[] = {
    {"08001", TipoFallo::SinServidor},   {"HYT01", TipoFallo::SinServidor},   {"42S02", TipoFallo::NoExisteTabla},
    {"42P01", TipoFallo::NoExisteTabla}, {"42501", TipoFallo::Fallo},         {"HYT00", TipoFallo::TiempoAgotado},
    {"08", TipoFallo::ConexionPerdida},  {"42", TipoFallo::ErroresEnComando}, {"23", TipoFallo::ViolacionIntegridad},
};

// Native numbers, each range inclusive.
struct NativoOdbc {
    int desde;
    int hasta;
    TipoFallo tipo;
};
constexpr NativoOdbc kNativos[] = {
    // SQL Server
    {208, 208, TipoFallo::NoExisteTabla},
    {102, 102, TipoFallo::ErroresEnComando},
    {105, 105, TipoFallo::ErroresEnComando},
    {156, 156, TipoFallo::ErroresEnComando},
    {170, 170, TipoFallo::ErroresEnComando},
    {207, 207, TipoFallo::ErroresEnComando},
    {2812, 2812, TipoFallo::ErroresEnComando},
    {515, 515, TipoFallo::ViolacionIntegridad},
    {547, 547, TipoFallo::ViolacionIntegridad},
    {2601, 2601, TipoFallo::ViolacionIntegridad},
    {2627, 2627, TipoFallo::ViolacionIntegridad},
    {1222, 1222, TipoFallo::TiempoAgotado},
    // SQL Server's client libraries: nothing answers, the name is unknown, or the link broke
    {2, 2, TipoFallo::SinServidor},
    {53, 53, TipoFallo::SinServidor},
    {10060, 10061, TipoFallo::SinServidor},
    {11001, 11001, TipoFallo::SinServidor},
    {10054, 10054, TipoFallo::ConexionPerdida},
    {20002, 20003, TipoFallo::SinServidor},
    {20009, 20009, TipoFallo::SinServidor},
    {20013, 20013, TipoFallo::SinServidor},
    {20004, 20004, TipoFallo::ConexionPerdida},
    {20006, 20006, TipoFallo::ConexionPerdida},
    {20017, 20017, TipoFallo::ConexionPerdida},
    {20047, 20047, TipoFallo::ConexionPerdida},
    // Oracle
    {942, 942, TipoFallo::NoExisteTabla},
    {900, 999, TipoFallo::ErroresEnComando},
    {1400, 1400, TipoFallo::ViolacionIntegridad},
    {2290, 2292, TipoFallo::ViolacionIntegridad},
    {3113, 3114, TipoFallo::ConexionPerdida},
    {3135, 3135, TipoFallo::ConexionPerdida},
    {28, 28, TipoFallo::ConexionPerdida},
    {1033, 1034, TipoFallo::SinServidor},
    {12170, 12170, TipoFallo::SinServidor},
    {12541, 12541, TipoFallo::SinServidor},
    {12543, 12543, TipoFallo::SinServidor},
    {12545, 12545, TipoFallo::SinServidor},
    {12560, 12560, TipoFallo::SinServidor},
};

} // namespace

std::optional<TipoFallo> TipoDeEstadoOdbc(const QString& estado)
{
    if (estado.size() != 5)
        return std::nullopt;
    return TipoDeEstadoSql(estado, kEstados);
}

std::optional<TipoFallo> TipoDeNativoOdbc(int nativo)
{
    for (const NativoOdbc& fila : kNativos) {
        if (nativo >= fila.desde && nativo <= fila.hasta)
            return fila.tipo;
    }
    return std::nullopt;
}

Error ErrorDeOdbc(const QSqlError& error, const QString& estado)
{
    const QString texto
        = ClavesEnTexto::Oculta((error.databaseText().isEmpty() ? error.driverText() : error.databaseText()).trimmed());
    bool leido = false;
    const int nativo = error.nativeErrorCode().section(u';', 0, 0).trimmed().toInt(&leido);
    std::optional<TipoFallo> tipo = TipoDeEstadoOdbc(estado);
    if (!tipo && leido)
        tipo = TipoDeNativoOdbc(nativo);
    return ErrorDeTipo(tipo.value_or(TipoFallo::Fallo), texto, leido ? nativo : 0, QStringLiteral("ODBC"));
}

} // namespace ado::odbc
