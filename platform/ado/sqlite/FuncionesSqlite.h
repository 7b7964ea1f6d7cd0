#pragma once

struct sqlite3;

namespace ado::sqlite {

// Registers on one connection the collation and functions the translated statements name: the
// case-insensitive collation (Unicode case folding, accents kept), LEN, CHARINDEX, GETDATE (from the
// program's clock) and a LIKE that ignores case beyond ASCII. Nothing of this is stored in the file.
void RegistraFuncionesDialecto(sqlite3* conexion);

} // namespace ado::sqlite
