#include "platform/ado/sqlite/AritmeticaSqlite.h"

#include "platform/ado/sqlite/ArgumentosSqlite_p.h"

#include <limits>

namespace ado::sqlite {
namespace {

using namespace argumentos;

enum class Operacion { Division, DivisionReal, Resto };

template <Operacion operacion>
void divide(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const bool enteros = sqlite3_value_numeric_type(argv[0]) == SQLITE_INTEGER
        && sqlite3_value_numeric_type(argv[1]) == SQLITE_INTEGER;
    const double divisor = sqlite3_value_double(argv[1]);
    if (divisor == 0.0)
        return daError(ctx, QStringLiteral("Error de división entre cero."));
    const double dividendo = sqlite3_value_double(argv[0]);
    if (operacion == Operacion::DivisionReal || !enteros) {
        sqlite3_result_double(ctx, operacion == Operacion::Resto ? std::fmod(dividendo, divisor) : dividendo / divisor);
        return;
    }
    const sqlite3_int64 a = sqlite3_value_int64(argv[0]);
    const sqlite3_int64 b = sqlite3_value_int64(argv[1]);
    if (a == std::numeric_limits<sqlite3_int64>::min() && b == -1)
        return daError(
            ctx, QStringLiteral("Error de desbordamiento aritmético al convertir expression al tipo de datos bigint."));
    sqlite3_result_int64(ctx, operacion == Operacion::Resto ? a % b : a / b);
}

void falla(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    daError(ctx, texto(argv[0]));
}

} // namespace

void RegistraFuncionesAritmetica(sqlite3* conexion)
{
    registra(conexion,
             {
                 {"KQ_DIVIDE", 2, divide<Operacion::Division>},
                 {"KQ_DIVIDE_REAL", 2, divide<Operacion::DivisionReal>},
                 {"KQ_RESTO", 2, divide<Operacion::Resto>},
             });
    // Not deterministic: the engine would work a constant call out once before the first row, and
    // fail a statement that never reaches it.
    sqlite3_create_function_v2(conexion, "KQ_FALLA", 1, SQLITE_UTF8, nullptr, falla, nullptr, nullptr, nullptr);
}

} // namespace ado::sqlite
