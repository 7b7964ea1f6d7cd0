#include "Entrada.h"
#include "Literales.h"
#include "data/DiccionarioOracle.h"
#include "platform/ado/dialect/FechasDialecto.h"
#include "runtime/ErrorVB.h"
#include "runtime/SharedRuntime.h"

#include <cstdlib>

using ado::dialecto::TokenSql;

namespace {

bool algunoAbierto(const QString& texto, TokenSql::Tipo tipo)
{
    for (const TokenSql& t : ado::dialecto::TokenizadorSql::divide(texto))
        if (t.abierto && t.tipo == tipo)
            return true;
    return false;
}

} // namespace

// The translation for an Oracle connection keeps the quotes balanced: a statement of more than one
// word with a literal never closed is refused (error 5), and otherwise every literal of the result is
// closed, and so is every quoted name when the statement's names were. Every literal of the statement
// that is not a date comes out whole (upper-cased, as the whole text is). A single word is only
// upper-cased.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    static const SharedRuntime runtime;
    static const QString cadena = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=X;User Id=u;Password=p;");
    const QString valor = textoDe(datos, largo);
    QString traducido;
    try {
        traducido = DiccionarioOracle::Traduce(valor, cadena, runtime);
    } catch (const ErrorVB&) {
        return 0;
    }
    if (runtime.CuentaPalabras(valor) <= 1)
        return 0;
    if (algunoAbierto(valor, TokenSql::Tipo::Cadena) || algunoAbierto(traducido, TokenSql::Tipo::Cadena)
        || (!algunoAbierto(valor, TokenSql::Tipo::NombreComillas)
            && !algunoAbierto(valor, TokenSql::Tipo::NombreCorchetes)
            && algunoAbierto(traducido, TokenSql::Tipo::NombreComillas)))
        std::abort();
    const auto noEsFecha = [](const LiteralSql& l) { return !ado::dialecto::LeeFechaConDia(l.contenido).has_value(); };
    QList<LiteralSql> antes = literalesDe(valor);
    for (LiteralSql& l : antes)
        l.contenido = l.contenido.toUpper();
    if (!seConservan(antes, literalesDe(traducido), noEsFecha))
        std::abort();
    return 0;
}
