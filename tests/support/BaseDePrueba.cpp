#include "support/BaseDePrueba.h"

#include "db/ArchivoBaseDatos.h"

BaseDePrueba::BaseDePrueba(bool conDemo, const QDate& hoy) : ruta_(carpeta_.filePath(QStringLiteral("agenda.db")))
{
    ArchivoBaseDatos::Crea(ruta_, conDemo, hoy);
}

QString BaseDePrueba::cadenaConexion() const
{
    return ArchivoBaseDatos::CadenaConexion(ruta_);
}
