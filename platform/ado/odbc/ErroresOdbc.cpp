#include "platform/ado/odbc/ErroresOdbc.h"

#include "platform/ado/Constantes.h"

namespace ado::odbc {
namespace {

int32_t numeroNativo(int nativo)
{
    switch (nativo) {
    case 208:
    case 942:
        return NumeroError::NoExisteTabla;
    case 102: case 105: case 156: case 170: case 207: case 2812:
        return NumeroError::ErroresEnComando;
    case 515: case 547: case 2601: case 2627:
    case 1: case 1400: case 2290: case 2291: case 2292:
        return NumeroError::ViolacionIntegridad;
    default:
        return nativo >= 900 && nativo <= 999 ? NumeroError::ErroresEnComando : 0;
    }
}

QString entrada(int32_t numero)
{
    switch (numero) {
    case NumeroError::ErroresEnComando: return QStringLiteral("Error en la sentencia SQL");
    case NumeroError::NoExisteTabla: return QStringLiteral("No existe la tabla o vista");
    case NumeroError::ViolacionIntegridad: return QStringLiteral("Se ha violado una restricción de integridad");
    default: return QStringLiteral("Error del servidor de base de datos");
    }
}

} // namespace

Error ErrorDeOdbc(const QSqlError& error, const QString& secreto)
{
    QString texto = (error.databaseText().isEmpty() ? error.driverText() : error.databaseText()).trimmed();
    if (!secreto.isEmpty())
        texto.replace(secreto, QStringLiteral("***"));
    bool leido = false;
    const int nativo = error.nativeErrorCode().section(u';', 0, 0).trimmed().toInt(&leido);
    // psqlodbc and others report 1 for everything; their message tells more.
    int32_t numero = leido && nativo != 1 ? numeroNativo(nativo) : 0;
    if (numero == 0 && texto.contains(QLatin1String("does not exist")))
        numero = NumeroError::NoExisteTabla;
    if (numero == 0 && texto.contains(QLatin1String("syntax error"), Qt::CaseInsensitive))
        numero = NumeroError::ErroresEnComando;
    if (numero == 0)
        numero = NumeroError::Fallo;
    return Error{QStringLiteral("HY000"), numero, QStringLiteral("%1 (%2)").arg(entrada(numero), texto),
                 leido ? nativo : 0, QStringLiteral("ODBC")};
}

} // namespace ado::odbc
