#include "runtime/Entorno.h"

#include "runtime/ArchivosPrivados.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {
QString& carpetaFijada()
{
    static QString carpeta;
    return carpeta;
}

std::optional<QStringList>& rutasFijadas()
{
    static std::optional<QStringList> rutas;
    return rutas;
}

QString carpetaDelEjecutable()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Before the application object exists, the kernel still knows the executable.
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}
// $variable/agenda, or ~ + porDefecto + /agenda when the variable is unset, empty or relative.
QString carpetaXdg(const char* variable, const QString& porDefecto)
{
    QString base = qEnvironmentVariable(variable);
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + porDefecto;
    return base + QStringLiteral("/agenda");
}
} // namespace

QString Entorno::carpetaPrograma()
{
    return carpetaFijada().isNull() ? carpetaDelEjecutable() : carpetaFijada();
}

QStringList Entorno::rutasIni()
{
    if (rutasFijadas())
        return *rutasFijadas();
    return {carpetaPrograma(), carpetaXdg("XDG_CONFIG_HOME", QStringLiteral("/.config"))};
}

QString Entorno::carpetaDatosUsuario()
{
    return carpetaXdg("XDG_DATA_HOME", QStringLiteral("/.local/share"));
}

QString Entorno::carpetaArchivo(const QString& nombre)
{
    const QString programa = carpetaPrograma();
    const QFileInfo carpeta(programa);
    if (QFileInfo::exists(programa + u'/' + nombre) || (carpeta.isDir() && carpeta.isWritable()))
        return programa;
    const QString datos = carpetaDatosUsuario();
    ArchivosPrivados::Carpeta(datos);
    return datos;
}

void Entorno::FijaCarpetaPrograma(const QString& carpeta)
{
    carpetaFijada() = carpeta;
}

void Entorno::FijaRutasIni(const QStringList& rutas)
{
    if (rutas.isEmpty())
        rutasFijadas().reset();
    else
        rutasFijadas() = rutas;
}
