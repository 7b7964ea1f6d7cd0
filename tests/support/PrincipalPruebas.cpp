#include "RegistroPruebas.h"

// The main() of a test executable whose layers show no windows: a program without windows sets up nothing.
int main(int argc, char* argv[])
{
    return RegistroPruebas::ejecuta(argc, argv);
}
