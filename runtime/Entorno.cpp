#include "runtime/Entorno.h"

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
} // namespace

QString Entorno::carpetaPrograma()
{
    return carpetaFijada().isNull() ? carpetaDelEjecutable() : carpetaFijada();
}

QStringList Entorno::rutasIni()
{
    if (rutasFijadas())
        return *rutasFijadas();
    QString configuracion = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configuracion.isEmpty() || QDir::isRelativePath(configuracion))
        configuracion = QDir::homePath() + QStringLiteral("/.config");
    return {carpetaPrograma(), configuracion + QStringLiteral("/agenda")};
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
