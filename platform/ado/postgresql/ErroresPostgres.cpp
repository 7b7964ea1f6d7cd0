#include "platform/ado/postgresql/ErroresPostgres.h"

#include "platform/ado/FalloProveedor.h"
#include "runtime/ClavesEnTexto.h"

#include <QSqlDatabase>
#include <QSqlDriver>

#include <libpq-fe.h>

namespace ado::postgresql {
namespace {

const QString kOrigen = QStringLiteral("PostgreSQL");

constexpr EstadoSql kEstados[] = {
    {"42P01", TipoFallo::NoExisteTabla},   {"42501", TipoFallo::Fallo},
    {"57P01", TipoFallo::ConexionPerdida}, {"57P02", TipoFallo::ConexionPerdida},
    {"57P03", TipoFallo::ConexionPerdida}, {"08", TipoFallo::ConexionPerdida},
    {"42", TipoFallo::ErroresEnComando},   {"23", TipoFallo::ViolacionIntegridad},
};

} // namespace

TipoFallo TipoDeEstadoPostgres(const QString& estado, Enlace enlace)
{
    if (estado.isEmpty()) {
        switch (enlace) {
        case Enlace::Caido:
            return TipoFallo::ConexionPerdida;
        case Enlace::SinRespuesta:
            return TipoFallo::SinServidor;
        case Enlace::Vivo:
            return TipoFallo::Fallo;
        }
    }
    return TipoDeEstadoSql(estado, kEstados).value_or(TipoFallo::Fallo);
}

namespace {

// The server's primary message: "ERROR:  " and the lines that quote the statement back go.
QString mensajePrincipal(const QSqlError& error)
{
    QString texto = error.databaseText().trimmed();
    if (texto.isEmpty())
        texto = error.driverText().trimmed();
    texto = texto.section(u'\n', 0, 0).trimmed();
    for (const QLatin1String prefijo : {QLatin1String("ERROR:"), QLatin1String("FATAL:")}) {
        if (texto.startsWith(prefijo))
            texto = texto.mid(prefijo.size()).trimmed();
    }
    return texto;
}

} // namespace

Error ErrorDePostgres(const QSqlError& error, Enlace enlace)
{
    const QString estado = error.nativeErrorCode().trimmed();
    // The suite's programs show and compare the server's own words for a division by zero.
    const QString mensaje = estado == u"22012" ? QStringLiteral("Error de división entre cero.")
                                               : ClavesEnTexto::Oculta(mensajePrincipal(error));
    Error resultado = ErrorDeTipo(TipoDeEstadoPostgres(estado, enlace), mensaje, 0, kOrigen);
    // The server's own state tells more than the class of the failure.
    if (!estado.isEmpty())
        resultado.SQLState = estado;
    return resultado;
}

void LanzaFalloPostgres(const QSqlError& error, const QSqlDatabase& base)
{
    // Qt's driver hands its libpq connection over under the name of libpq's struct.
    const QVariant manejador = base.driver() ? base.driver()->handle() : QVariant();
    const QByteArray tipo = manejador.typeName();
    PGconn* enlace
        = tipo == "pg_conn*" || tipo == "PGconn*" ? *static_cast<PGconn* const*>(manejador.constData()) : nullptr;
    throw FalloProveedor(
        ErrorDePostgres(error, enlace == nullptr || PQstatus(enlace) == CONNECTION_BAD ? Enlace::Caido : Enlace::Vivo));
}

} // namespace ado::postgresql
