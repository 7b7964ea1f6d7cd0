#include "platform/ado/sqlite/AritmeticaSqlite.h"

#include "platform/ado/sqlite/ArgumentosSqlite_p.h"

namespace ado::sqlite {
namespace {

using namespace argumentos;

template <bool real>
void divisor(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_value* x = argv[0];
    if (sqlite3_value_type(x) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    // A text divisor is read as SQLite reads it in the division: as the number it starts with.
    const double valor = sqlite3_value_double(x);
    if (valor == 0.0)
        return daError(ctx, QStringLiteral("Error de división entre cero."));
    if (real)
        sqlite3_result_double(ctx, valor);
    else
        sqlite3_result_value(ctx, x);
}

} // namespace

void RegistraFuncionesAritmetica(sqlite3* conexion)
{
    constexpr int fija = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(conexion, "KQ_DIVISOR", 1, fija, nullptr, divisor<false>, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(conexion, "KQ_DIVISOR_REAL", 1, fija, nullptr, divisor<true>, nullptr, nullptr, nullptr);
}

} // namespace ado::sqlite
