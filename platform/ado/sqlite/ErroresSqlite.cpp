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

// SQLite's result codes and the kind each stands for. An extended code (above 0xff) matches
// exactly and comes first; a primary code matches every extended code of its family.
struct CodigoSqlite {
    int codigo;
    TipoFallo tipo;
};
constexpr CodigoSqlite kCodigos[] = {
    {SQLITE_READONLY_DBMOVED, TipoFallo::ArchivoNoEncontrado},
    {SQLITE_IOERR_NOMEM, TipoFallo::SinMemoria},
    {SQLITE_CONSTRAINT, TipoFallo::ViolacionIntegridad},
    {SQLITE_BUSY, TipoFallo::TiempoAgotado},
    {SQLITE_LOCKED, TipoFallo::TiempoAgotado},
    {SQLITE_READONLY, TipoFallo::SinEscritura},
    {SQLITE_PERM, TipoFallo::SinEscritura},
    {SQLITE_AUTH, TipoFallo::SinEscritura},
    {SQLITE_CANTOPEN, TipoFallo::ArchivoNoEncontrado},
    {SQLITE_FULL, TipoFallo::EspacioAgotado},
    {SQLITE_CORRUPT, TipoFallo::ArchivoDanado},
    {SQLITE_NOTADB, TipoFallo::ArchivoDanado},
    {SQLITE_IOERR, TipoFallo::ErrorEntradaSalida},
    {SQLITE_NOMEM, TipoFallo::SinMemoria},
    {SQLITE_INTERNAL, TipoFallo::Inesperado},
    {SQLITE_MISUSE, TipoFallo::Inesperado},
    {SQLITE_PROTOCOL, TipoFallo::Inesperado},
    {SQLITE_NOLFS, TipoFallo::Inesperado},
    {SQLITE_FORMAT, TipoFallo::Inesperado},
    {SQLITE_INTERRUPT, TipoFallo::Inesperado},
    {SQLITE_ABORT, TipoFallo::Inesperado},
};

} // namespace

TipoFallo TipoDeCodigoSqlite(int codigo, const QString& texto)
{
    for (const CodigoSqlite& fila : kCodigos) {
        if (fila.codigo > 0xff ? codigo == fila.codigo : (codigo & 0xff) == fila.codigo)
            return fila.tipo;
    }
    return tipoPorTexto(texto);
}

Error ErrorDeSqlite(const QSqlError& error)
{
    const QString texto = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    bool leido = false;
    const int codigo = error.nativeErrorCode().toInt(&leido);
    return ErrorDeTipo(TipoDeCodigoSqlite(leido ? codigo : 0, texto), texto, leido ? codigo : 0, OrigenSqlite);
}

void LanzaFallo(const QSqlError& error)
{
    throw FalloProveedor(ErrorDeSqlite(error));
}

} // namespace ado::sqlite
