#include "runtime/CursorEspera.h"

#include "runtime/VentanasPrograma.h"

CursorEspera::CursorEspera()
{
    VentanasPrograma& ventanas = VentanasPrograma::actual();
    if (ventanas.Visible()) {
        ventanas.PonEspera();
        puesto_ = true;
    }
}

CursorEspera::~CursorEspera()
{
    if (puesto_)
        VentanasPrograma::actual().QuitaCursor();
}
