#include "runtime/Estacion.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// The one member that touches a window: built with the runtime's windows, so that the names of
// the station need no graphical library.
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
