#include "runtime/Estacion.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>
#include <QWidget>

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

void Estacion::AjustaFormulario(QWidget* ventana)
{
    if (!ventana)
        return;
    QScreen* pantalla = ventana->screen() ? ventana->screen() : QGuiApplication::primaryScreen();
    if (!pantalla)
        return;
    const QRect area = pantalla->availableGeometry();
    // The frame (title bar and borders) must fit as well as the client area.
    const QRect marco = ventana->frameGeometry();
    const QSize bordes = marco.size() - ventana->size();
    QSize tamano = ventana->size().boundedTo(area.size() - bordes);
    if (tamano != ventana->size())
        ventana->resize(tamano);
    const QSize tamanoMarco = tamano + bordes;
    const int x = qBound(area.left(), marco.left(), area.right() + 1 - tamanoMarco.width());
    const int y = qBound(area.top(), marco.top(), area.bottom() + 1 - tamanoMarco.height());
    if (x != marco.left() || y != marco.top())
        ventana->move(x, y);
}
