#include "runtime/Estacion.h"

#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

namespace {
QString& equipoFijado()
{
    static QString nombre;
    return nombre;
}

QString& usuarioFijado()
{
    static QString nombre;
    return nombre;
}

QString usuarioDelSistema()
{
    if (const passwd* entrada = getpwuid(geteuid()); entrada && entrada->pw_name)
        return QString::fromLocal8Bit(entrada->pw_name);
    const QString usuario = qEnvironmentVariable("USER");
    return usuario.isEmpty() ? qEnvironmentVariable("LOGNAME") : usuario;
}
} // namespace

QString Estacion::NombreEquipo()
{
    return equipoFijado().isNull() ? QSysInfo::machineHostName() : equipoFijado();
}

QString Estacion::NombreUsuario()
{
    return usuarioFijado().isNull() ? usuarioDelSistema() : usuarioFijado();
}

void Estacion::FijaNombreEquipo(const QString& nombre)
{
    equipoFijado() = nombre;
}

void Estacion::FijaNombreUsuario(const QString& nombre)
{
    usuarioFijado() = nombre;
}
