#pragma once

struct sqlite3;

namespace ado::sqlite {

// Registers on one connection the functions the translator puts around the right operand of "/"
// and "%", where SQLite would give NULL for a zero and divide a decimal stored whole as an integer:
//  - KQ_DIVISOR(x): x as it is (NULL for NULL); a zero, of any type, is an error with the server's
//    message "Error de división entre cero.".
//  - KQ_DIVISOR_REAL(x): the same, x given as a real, so that the division is not an integer one.
void RegistraFuncionesAritmetica(sqlite3* conexion);

} // namespace ado::sqlite
