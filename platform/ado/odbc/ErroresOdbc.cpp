#include "platform/ado/odbc/ErroresOdbc.h"

#include "platform/ado/TipoFallo.h"
#include "runtime/ClavesEnTexto.h"

#include <optional>

namespace ado::odbc {
namespace {

std::optional<TipoFallo> tipoNativo(int nativo)
{
    switch (nativo) {
    case 208:
    case 942:
        return TipoFallo::NoExisteTabla;
    case 102: case 105: case 156: case 170: case 207: case 2812:
        return TipoFallo::ErroresEnComando;
    case 515: case 547: case 2601: case 2627:
    case 1: case 1400: case 2290: case 2291: case 2292:
        return TipoFallo::ViolacionIntegridad;
    default:
        if (nativo >= 900 && nativo <= 999)
            return TipoFallo::ErroresEnComando;
        return std::nullopt;
    }
}

} // namespace

Error ErrorDeOdbc(const QSqlError& error)
{
    const QString texto =
        ClavesEnTexto::Oculta((error.databaseText().isEmpty() ? error.driverText() : error.databaseText()).trimmed());
    bool leido = false;
    const int nativo = error.nativeErrorCode().section(u';', 0, 0).trimmed().toInt(&leido);
    // psqlodbc and others report 1 for everything; their message tells more.
    std::optional<TipoFallo> tipo = leido && nativo != 1 ? tipoNativo(nativo) : std::nullopt;
    if (!tipo && texto.contains(QLatin1String("does not exist")))
        tipo = TipoFallo::NoExisteTabla;
    if (!tipo && texto.contains(QLatin1String("syntax error"), Qt::CaseInsensitive))
        tipo = TipoFallo::ErroresEnComando;
    return ErrorDeTipo(tipo.value_or(TipoFallo::Fallo), texto, leido ? nativo : 0, QStringLiteral("ODBC"));
}

} // namespace ado::odbc
