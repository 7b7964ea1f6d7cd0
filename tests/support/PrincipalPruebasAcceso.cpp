#include "RegistroPruebas.h"
#include "data/DialogoAccesoQt.h"
#include "runtime/VentanasQt.h"

// The main() of a test executable whose layers show windows and ask for the login: the real windows and
// the real login dialog, as the program with windows sets them up.
int main(int argc, char* argv[])
{
    VentanasQt::instala();
    DialogoAcceso::instala(std::make_unique<DialogoAccesoQt>());
    return RegistroPruebas::ejecuta(argc, argv);
}
