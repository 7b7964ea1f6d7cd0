#pragma once

// Ending the program is not an error: it is thrown as this type, which derives from nothing the
// error traps catch, so no procedure can swallow it. main() and the tests catch it at the top.
struct FinDePrograma {
    int codigoSalida = 0;
};
