#include "runtime/CursorEspera.h"

#include "runtime/CursorPrograma.h"

CursorEspera::CursorEspera()
{
    CursorPrograma& cursor = CursorPrograma::actual();
    if (cursor.Visible()) {
        cursor.PonEspera();
        puesto_ = true;
    }
}

CursorEspera::~CursorEspera()
{
    CursorPrograma& cursor = CursorPrograma::actual();
    if (puesto_ && cursor.HayCursorPuesto())
        cursor.Quita();
}
