#include "platform/ado/postgresql/ErroresPostgres.h"

#include "platform/ado/Constantes.h"
#include "platform/ado/FalloProveedor.h"

namespace ado::postgresql {
namespace {

const QString kOrigen = QStringLiteral("PostgreSQL");

int32_t numeroDe(const QString& estado)
{
    if (estado == u"42P01")
        return NumeroError::NoExisteTabla;
    if (estado.startsWith(u"42") && estado != u"42501")
        return NumeroError::ErroresEnComando;
    if (estado.startsWith(u"23"))
        return NumeroError::ViolacionIntegridad;
    return NumeroError::Fallo;
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
    const int32_t numero = numeroDe(estado);
    QString mensaje = mensajePrincipal(error);
    if (!secreto.isEmpty())
        mensaje.replace(secreto, QStringLiteral("***"));
    return Error{estado.isEmpty() ? QStringLiteral("HY000") : estado, numero,
                 QStringLiteral("%1 (%2)").arg(entrada(numero), mensaje), 0, kOrigen};
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
