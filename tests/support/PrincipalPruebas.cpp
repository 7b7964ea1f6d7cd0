#include "RegistroPruebas.h"
#include "data/DialogoAccesoQt.h"
#include "runtime/VentanasQt.h"

int main(int argc, char* argv[])
{
    // The tests drive the real windows, as the program with windows does.
    VentanasQt::instala();
    DialogoAcceso::instala(std::make_unique<DialogoAccesoQt>());
    return RegistroPruebas::ejecuta(argc, argv);
}
