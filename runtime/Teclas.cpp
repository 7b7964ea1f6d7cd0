#include "runtime/Teclas.h"

#include <Qt>

bool Teclas::EsTeclaDeAccion(int codigo)
{
    return codigo == Enter || codigo == Arriba || codigo == Abajo;
}

int Teclas::CodigoDeTecla(int teclaQt)
{
    if ((teclaQt >= Qt::Key_A && teclaQt <= Qt::Key_Z) || (teclaQt >= Qt::Key_0 && teclaQt <= Qt::Key_9))
        return teclaQt; // Qt numbers these with their ASCII codes, as the suite does
    if (teclaQt >= Qt::Key_F1 && teclaQt <= Qt::Key_F12)
        return F1 + (teclaQt - Qt::Key_F1);
    switch (teclaQt) {
    case Qt::Key_Backspace:
        return Retroceso;
    case Qt::Key_Tab:
        return Tabulador;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Enter;
    case Qt::Key_Escape:
        return Escape;
    case Qt::Key_Space:
        return Espacio;
    case Qt::Key_PageUp:
        return RePag;
    case Qt::Key_PageDown:
        return AvPag;
    case Qt::Key_End:
        return Fin;
    case Qt::Key_Home:
        return Inicio;
    case Qt::Key_Left:
        return Izquierda;
    case Qt::Key_Up:
        return Arriba;
    case Qt::Key_Right:
        return Derecha;
    case Qt::Key_Down:
        return Abajo;
    case Qt::Key_Insert:
        return Insertar;
    case Qt::Key_Delete:
        return Suprimir;
    default:
        return 0;
    }
}
