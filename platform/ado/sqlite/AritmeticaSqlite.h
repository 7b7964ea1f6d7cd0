#pragma once

struct sqlite3;

namespace ado::sqlite {

// Registers on one connection the functions the translator writes for "/" and "%", where SQLite
// would give NULL for a zero divisor and divide a decimal stored whole as an integer. NULL on either
// side gives NULL; a zero divisor is an error with the server's message "Error de división entre
// cero."; a text operand is read as SQLite reads it in arithmetic.
//  - KQ_DIVIDE(a, b): two integers divide as integers (towards zero), anything else as reals.
//  - KQ_DIVIDE_REAL(a, b): always as reals.
//  - KQ_RESTO(a, b): the remainder, with the sign of `a`; of reals when either is one.
//  - KQ_FALLA(mensaje): an error with that message, whenever it runs: what the server refuses by the
//    types of a statement.
void RegistraFuncionesAritmetica(sqlite3* conexion);

} // namespace ado::sqlite
