#include "platform/ado/postgresql/ErroresPostgres.h"

#include "platform/ado/FalloProveedor.h"
#include "platform/ado/TipoFallo.h"

namespace ado::postgresql {
namespace {

const QString kOrigen = QStringLiteral("PostgreSQL");

// The server shut down or restarted (57P01 to 57P03), the connection failed (class 08), or the
// client library found the connection gone before any answer came (no state, only its own text).
bool conexionPerdida(const QString& estado, const QString& texto)
{
    if (estado.startsWith(u"08") || estado == u"57P01" || estado == u"57P02" || estado == u"57P03")
        return true;
    if (estado.startsWith(u"28"))
        return false; // refused credentials: the connection itself is fine
    for (const char* trozo : {"server closed the connection", "no connection to the server", "terminating connection",
                              "could not connect to server", "Connection refused", "could not send data to server",
                              "could not receive data from server", "timeout expired"}) {
        if (texto.contains(QLatin1String(trozo), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

TipoFallo tipoDe(const QString& estado, const QString& texto)
{
    if (conexionPerdida(estado, texto))
        return TipoFallo::ConexionPerdida;
    if (estado == u"42P01")
        return TipoFallo::NoExisteTabla;
    if (estado.startsWith(u"42") && estado != u"42501")
        return TipoFallo::ErroresEnComando;
    if (estado.startsWith(u"23"))
        return TipoFallo::ViolacionIntegridad;
    return TipoFallo::Fallo;
}

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

Error ErrorDePostgres(const QSqlError& error, const QString& secreto)
{
    const QString estado = error.nativeErrorCode().trimmed();
    // The suite's programs show and compare the server's own words for a division by zero.
    QString mensaje = estado == u"22012" ? QStringLiteral("Error de división entre cero.") : mensajePrincipal(error);
    if (!secreto.isEmpty())
        mensaje.replace(secreto, QStringLiteral("***"));
    Error resultado = ErrorDeTipo(tipoDe(estado, error.databaseText() + u'\n' + error.driverText()), mensaje, 0, kOrigen);
    // The server's own state tells more than the class of the failure.
    if (!estado.isEmpty())
        resultado.SQLState = estado;
    return resultado;
}

Error ErrorPropioPostgres(int32_t numero, const QString& descripcion)
{
    return Error{QStringLiteral("HY000"), numero, descripcion, 0, kOrigen};
}

void LanzaFalloPostgres(const QSqlError& error, const QString& secreto)
{
    throw FalloProveedor(ErrorDePostgres(error, secreto));
}

void LanzaFalloPostgres(int32_t numero, const QString& descripcion)
{
    throw FalloProveedor(ErrorPropioPostgres(numero, descripcion));
}

} // namespace ado::postgresql
