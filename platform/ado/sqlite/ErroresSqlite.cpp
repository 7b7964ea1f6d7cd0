#include "platform/ado/sqlite/ErroresSqlite.h"

#include "platform/ado/Constantes.h"
#include "platform/ado/FalloProveedor.h"

#include <sqlite3.h>

namespace ado::sqlite {
namespace {

const QString kOrigen = QStringLiteral("SQLite");

QString estadoSql(int32_t numero)
{
    switch (numero) {
    case NumeroError::ErroresEnComando: return QStringLiteral("42000");
    case NumeroError::NoExisteTabla: return QStringLiteral("42S02");
    case NumeroError::ViolacionIntegridad: return QStringLiteral("23000");
    default: return QStringLiteral("HY000");
    }
}

bool contiene(const QString& texto, const char* trozo)
{
    return texto.contains(QLatin1String(trozo), Qt::CaseInsensitive);
}

int32_t numeroDe(int codigo, const QString& texto)
{
    if ((codigo & 0xff) == SQLITE_CONSTRAINT)
        return NumeroError::ViolacionIntegridad;
    if (contiene(texto, "no such table") || contiene(texto, "no such view"))
        return NumeroError::NoExisteTabla;
    for (const char* trozo : {"syntax error", "near \"", "incomplete input", "unrecognized token", "no such column",
                              "no such function", "wrong number of arguments"}) {
        if (contiene(texto, trozo))
            return NumeroError::ErroresEnComando;
    }
    return NumeroError::Fallo;
}

QString entrada(int32_t numero)
{
    switch (numero) {
    case NumeroError::ErroresEnComando: return QStringLiteral("Error en la sentencia SQL");
    case NumeroError::NoExisteTabla: return QStringLiteral("No existe la tabla o vista");
    case NumeroError::ViolacionIntegridad: return QStringLiteral("Se ha violado una restricción de integridad");
    default: return QStringLiteral("Error de la base de datos");
    }
}

} // namespace

Error ErrorDeSqlite(const QSqlError& error)
{
    const QString texto = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    bool leido = false;
    const int codigo = error.nativeErrorCode().toInt(&leido);
    const int32_t numero = numeroDe(leido ? codigo : 0, texto);
    return Error{estadoSql(numero), numero, QStringLiteral("%1 (%2)").arg(entrada(numero), texto), leido ? codigo : 0,
                 kOrigen};
}

Error ErrorPropio(int32_t numero, const QString& descripcion)
{
    return Error{estadoSql(numero), numero, descripcion, 0, kOrigen};
}

void LanzaFallo(const QSqlError& error)
{
    throw FalloProveedor(ErrorDeSqlite(error));
}

void LanzaFallo(int32_t numero, const QString& descripcion)
{
    throw FalloProveedor(ErrorPropio(numero, descripcion));
}

} // namespace ado::sqlite
