#include "support/BaseDePrueba.h"

#include "db/ArchivoBaseDatos.h"
#include "db/BaseServidor.h"
#include "platform/ado/Connection.h"
#include "runtime/ErrorVB.h"

#include <QCoreApplication>

namespace {

// Every server database of a run gets a name of its own; two test programs may run at once.
QString nombreServidor()
{
    static int creadas = 0;
    return QStringLiteral("prueba_%1_%2").arg(QCoreApplication::applicationPid()).arg(++creadas);
}

} // namespace

BaseDePrueba::BaseDePrueba(bool conDemo, const QDate& hoy, Motor motor) : motor_(motor)
{
    if (motor_ == Motor::SQLite) {
        ruta_ = carpeta_.filePath(QStringLiteral("agenda.db"));
        ArchivoBaseDatos::Crea(ruta_, conDemo, hoy);
        return;
    }
    ruta_ = nombreServidor();
    BaseServidor::Crea(cadenaConexion(), conDemo, hoy);
}

BaseDePrueba::~BaseDePrueba()
{
    if (motor_ != Motor::PostgreSQL)
        return;
    try {
        ado::Connection servidor;
        servidor.Open(ServidorDePrueba() + QStringLiteral(";Database=postgres"));
        servidor.Execute(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(ruta_));
    } catch (const ErrorVB& e) {
        qWarning("No se pudo borrar la base de prueba %s: %s", qPrintable(ruta_), e.what());
    }
}

QString BaseDePrueba::cadenaConexion() const
{
    if (motor_ == Motor::SQLite)
        return ArchivoBaseDatos::CadenaConexion(ruta_);
    return ServidorDePrueba() + QStringLiteral(";Database=") + ruta_;
}
