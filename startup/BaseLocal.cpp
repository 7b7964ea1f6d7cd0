#include "startup/BaseLocal.h"

#include "db/ArchivoBaseDatos.h"
#include "runtime/Entorno.h"
#include "runtime/ErrorVB.h"
#include "runtime/Estacion.h"
#include "runtime/FuncionesVB.h"
#include "runtime/LectorIni.h"

#include <QDir>
#include <QFileInfo>

QString BaseLocal::Ruta()
{
    const QString nombre =
        LectorIni::LeeIni(QStringLiteral("CN000pr.INI"), QStringLiteral("Agenda"), QStringLiteral("BaseLocal"), {});
    if (FuncionesVB::EnBlanco(nombre))
        return {};
    return QDir::cleanPath(QDir(Entorno::carpetaDatosUsuario()).absoluteFilePath(nombre));
}

QString BaseLocal::LineaDeArranque()
{
    const QString ruta = Ruta();
    if (ruta.isEmpty())
        return {};
    if (ruta.contains(u';'))
        throw ErrorVB(5, QStringLiteral("La ruta de la base local no puede contener \";\": %1").arg(ruta),
                      QStringLiteral("BaseLocal"));
    if (!QFileInfo::exists(ruta)) {
        if (!QDir().mkpath(QFileInfo(ruta).absolutePath()))
            throw ErrorVB(75, QStringLiteral("No se pudo crear la carpeta de la base local %1.").arg(ruta),
                          QStringLiteral("BaseLocal"));
        ArchivoBaseDatos::CreaConfigurada(ruta);
    }
    return QStringLiteral("@Server=(local);@DbName=") + ruta + QStringLiteral(";@Usuario=") + Estacion::NombreUsuario()
           + QStringLiteral(";@Password=;@Proveedor=SQLite;");
}
