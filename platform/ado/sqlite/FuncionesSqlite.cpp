#include "platform/ado/sqlite/FuncionesSqlite.h"

namespace ado::sqlite {

void RegistraFuncionesDialecto(sqlite3*) {}

} // namespace ado::sqlite
