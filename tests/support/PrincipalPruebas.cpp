#include "RegistroPruebas.h"

int main(int argc, char* argv[])
{
    return RegistroPruebas::ejecuta(argc, argv);
}
