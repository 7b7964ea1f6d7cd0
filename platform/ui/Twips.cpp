#include "platform/ui/Twips.h"

#include <QWidget>

#include <cmath>

namespace {

int dpiX(const QWidget* widget)
{
    return widget ? widget->logicalDpiX() : 96;
}
int dpiY(const QWidget* widget)
{
    return widget ? widget->logicalDpiY() : 96;
}

int redondea(double valor)
{
    return static_cast<int>(std::lround(valor));
}

} // namespace

int Twips::aPixelesX(int twips, const QWidget* widget)
{
    return redondea(static_cast<double>(twips) * dpiX(widget) / PorPulgada);
}

int Twips::aPixelesY(int twips, const QWidget* widget)
{
    return redondea(static_cast<double>(twips) * dpiY(widget) / PorPulgada);
}

int Twips::desdePixelesX(int pixeles, const QWidget* widget)
{
    return redondea(static_cast<double>(pixeles) * PorPulgada / dpiX(widget));
}

int Twips::desdePixelesY(int pixeles, const QWidget* widget)
{
    return redondea(static_cast<double>(pixeles) * PorPulgada / dpiY(widget));
}

void Twips::coloca(QWidget* control, int izquierda, int arriba, int ancho, int alto)
{
    control->setGeometry(aPixelesX(izquierda, control), aPixelesY(arriba, control), aPixelesX(ancho, control),
                         aPixelesY(alto, control));
}
