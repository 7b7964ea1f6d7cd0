#include "RegistroPruebas.h"
#include "runtime/VentanasQt.h"

// The main() of a test executable whose layers show windows: the tests drive the real windows, as the
// program with windows does.
int main(int argc, char* argv[])
{
    VentanasQt::instala();
    return RegistroPruebas::ejecuta(argc, argv);
}
