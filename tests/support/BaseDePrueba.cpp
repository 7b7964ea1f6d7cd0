#include "support/BaseDePrueba.h"

#include "db/ArchivoBaseDatos.h"
#include "db/BaseServidor.h"
#include "platform/ado/Connection.h"
#include "runtime/ErrorVB.h"

#include <QCoreApplication>
#include <QMap>

namespace {

// Every server database of a run gets a name of its own; two test programs may run at once.
QString nombreServidor()
{
    static int creadas = 0;
    return QStringLiteral("prueba_%1_%2").arg(QCoreApplication::applicationPid()).arg(++creadas);
}

void ejecutaEnServidor(const QString& sentencia)
{
    ado::Connection servidor;
    servidor.Open(ServidorDePrueba() + QStringLiteral(";Database=postgres"));
    servidor.Execute(sentencia);
}

// A database on the test server made once per run for each kind of test database; every test
// database is a copy of it, far quicker than running the schema and the demo rows again. The
// templates go with the throwaway cluster.
QString plantillaServidor(bool conDemo, const QDate& hoy)
{
    static QMap<QString, QString> hechas;
    const QString clave = QStringLiteral("%1_%2").arg(conDemo).arg(hoy.toString(Qt::ISODate));
    auto it = hechas.constFind(clave);
    if (it == hechas.constEnd()) {
        const QString nombre = QStringLiteral("plantilla_") + nombreServidor();
        BaseServidor::Crea(ServidorDePrueba() + QStringLiteral(";Database=") + nombre, conDemo, hoy);
        it = hechas.insert(clave, nombre);
    }
    return *it;
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
    ejecutaEnServidor(QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(ruta_, plantillaServidor(conDemo, hoy)));
}

BaseDePrueba::~BaseDePrueba()
{
    if (motor_ != Motor::PostgreSQL)
        return;
    try {
        ejecutaEnServidor(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(ruta_));
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
