#include "platform/ado/sqlite/ErroresSqlite.h"

#include "platform/ado/FalloProveedor.h"

#include <sqlite3.h>

namespace ado::sqlite {
namespace {

bool contiene(const QString& texto, const char* trozo)
{
    return texto.contains(QLatin1String(trozo), Qt::CaseInsensitive);
}

TipoFallo tipoPorTexto(const QString& texto)
{
    if (contiene(texto, "no such table") || contiene(texto, "no such view"))
        return TipoFallo::NoExisteTabla;
    for (const char* trozo : {"syntax error", "near \"", "incomplete input", "unrecognized token", "no such column",
                              "no such function", "wrong number of arguments"}) {
        if (contiene(texto, trozo))
            return TipoFallo::ErroresEnComando;
    }
    return TipoFallo::Fallo;
}

TipoFallo tipoDe(int codigo, const QString& texto)
{
    switch (codigo & 0xff) {
    case SQLITE_CONSTRAINT: return TipoFallo::ViolacionIntegridad;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return TipoFallo::TiempoAgotado;
    case SQLITE_READONLY:
        return codigo == SQLITE_READONLY_DBMOVED ? TipoFallo::ArchivoNoEncontrado : TipoFallo::SinEscritura;
    case SQLITE_PERM:
    case SQLITE_AUTH: return TipoFallo::SinEscritura;
    case SQLITE_CANTOPEN: return TipoFallo::ArchivoNoEncontrado;
    case SQLITE_FULL: return TipoFallo::EspacioAgotado;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return TipoFallo::ArchivoDanado;
    case SQLITE_IOERR: return codigo == SQLITE_IOERR_NOMEM ? TipoFallo::SinMemoria : TipoFallo::ErrorEntradaSalida;
    case SQLITE_NOMEM: return TipoFallo::SinMemoria;
    case SQLITE_INTERNAL:
    case SQLITE_MISUSE:
    case SQLITE_PROTOCOL:
    case SQLITE_NOLFS:
    case SQLITE_FORMAT:
    case SQLITE_INTERRUPT:
    case SQLITE_ABORT: return TipoFallo::Inesperado;
    default: return tipoPorTexto(texto);
    }
}

} // namespace

Error ErrorDeSqlite(const QSqlError& error)
{
    const QString texto = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    bool leido = false;
    const int codigo = error.nativeErrorCode().toInt(&leido);
    return ErrorDeTipo(tipoDe(leido ? codigo : 0, texto), texto, leido ? codigo : 0, OrigenSqlite);
}

void LanzaFallo(const QSqlError& error)
{
    throw FalloProveedor(ErrorDeSqlite(error));
}

} // namespace ado::sqlite
