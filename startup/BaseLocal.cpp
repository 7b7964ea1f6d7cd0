#include "startup/BaseLocal.h"

#include "db/ArchivoBaseDatos.h"
#include "runtime/ArchivosPrivados.h"
#include "runtime/Entorno.h"
#include "runtime/ErrorVB.h"
#include "runtime/Estacion.h"
#include "runtime/FuncionesVB.h"
#include "runtime/LectorIni.h"

#include <QDir>
#include <QFileInfo>

QString BaseLocal::Ruta()
{
    const QString nombre
        = LectorIni::LeeIni(QStringLiteral("CN000pr.INI"), QStringLiteral("Agenda"), QStringLiteral("BaseLocal"), {});
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
    // Inside the user's data folder, the folders and the file are the program's own and kept private;
    // an existing file the person placed elsewhere keeps the modes they gave it.
    const QString datos = Entorno::carpetaDatosUsuario();
    const bool propia = ruta.startsWith(datos + u'/');
    const QString carpeta = QFileInfo(ruta).absolutePath();
    const bool hayCarpeta
        = propia ? ArchivosPrivados::Carpeta(datos) && ArchivosPrivados::Carpeta(carpeta) : QDir().mkpath(carpeta);
    if (!hayCarpeta)
        throw ErrorVB(75, QStringLiteral("No se pudo crear la carpeta de la base local %1.").arg(ruta),
                      QStringLiteral("BaseLocal"));
    const bool nueva = !QFileInfo::exists(ruta);
    if (nueva)
        ArchivoBaseDatos::CreaConfigurada(ruta);
    if (propia || nueva) {
        for (const char* sufijo : {"", "-journal", "-wal", "-shm"})
            ArchivosPrivados::Archivo(ruta + QLatin1String(sufijo));
    }
    return QStringLiteral("@Server=(local);@DbName=") + ruta + QStringLiteral(";@Usuario=") + Estacion::NombreUsuario()
        + QStringLiteral(";@Password=;@Proveedor=SQLite;");
}
