#include "platform/ado/RegistroProveedores.h"

#include "platform/ado/sqlite/ProveedorSqlite.h"

#include <QHash>

namespace ado {
namespace {

// Keys in lower case. The embedded database is always there.
QHash<QString, RegistroProveedores::Fabrica>& fabricas()
{
    static QHash<QString, RegistroProveedores::Fabrica> registro{
        {QStringLiteral("sqlite"), [] { return std::make_unique<sqlite::ProveedorSqlite>(); }},
    };
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

} // namespace ado
