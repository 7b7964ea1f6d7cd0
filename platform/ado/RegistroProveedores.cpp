#include "platform/ado/RegistroProveedores.h"

#include "platform/ado/ProveedoresInstalados.h"

#include <QHash>

namespace ado {
namespace {

// Keys in lower case; first filled with the providers the backend folders offer.
QHash<QString, RegistroProveedores::Fabrica>& fabricas()
{
    static QHash<QString, RegistroProveedores::Fabrica> registro = [] {
        QHash<QString, RegistroProveedores::Fabrica> instalados;
        for (ProveedorOfrecido& ofrecido : ProveedoresInstalados())
            instalados.insert(ofrecido.nombre.toLower(), std::move(ofrecido.crea));
        return instalados;
    }();
    return registro;
}

} // namespace

void RegistroProveedores::registra(const QString& nombre, Fabrica fabrica)
{
    fabricas().insert(nombre.trimmed().toLower(), std::move(fabrica));
}

void RegistroProveedores::elimina(const QString& nombre)
{
    fabricas().remove(nombre.trimmed().toLower());
}

std::unique_ptr<Proveedor> RegistroProveedores::crea(const QString& nombre)
{
    const auto it = fabricas().constFind(nombre.trimmed().toLower());
    if (it == fabricas().constEnd() || !*it)
        return nullptr;
    return (*it)();
}

RegistroProveedores::Motor RegistroProveedores::motor(const QString& proveedor)
{
    if (proveedor.contains(QLatin1String("ORACLE"), Qt::CaseInsensitive))
        return Motor::Oracle;
    if (proveedor.compare(QLatin1String("SQLite"), Qt::CaseInsensitive) == 0)
        return Motor::SQLite;
    if (proveedor.compare(QLatin1String("PostgreSQL"), Qt::CaseInsensitive) == 0)
        return Motor::PostgreSQL;
    return Motor::SqlServer;
}

bool RegistroProveedores::esPropio(const QString& proveedor)
{
    const Motor m = motor(proveedor);
    return m == Motor::SQLite || m == Motor::PostgreSQL
        || proveedor.compare(QLatin1String("ODBC"), Qt::CaseInsensitive) == 0;
}

QString RegistroProveedores::nombre(Motor motor)
{
    switch (motor) {
    case Motor::Oracle:
        return QStringLiteral("OraOLEDB.Oracle.1");
    case Motor::SQLite:
        return QStringLiteral("SQLite");
    case Motor::PostgreSQL:
        return QStringLiteral("PostgreSQL");
    case Motor::SqlServer:
        break;
    }
    return QStringLiteral("SQLOLEDB");
}

} // namespace ado
