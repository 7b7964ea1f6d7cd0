#include "Entrada.h"
#include "Literales.h"
#include "platform/ado/dialect/FechasDialecto.h"
#include "platform/ado/postgresql/TraductorPostgres.h"
#include "platform/ado/sqlite/AritmeticaSqlite.h"
#include "platform/ado/sqlite/FuncionesSqlite.h"
#include "platform/ado/sqlite/TraductorSqlite.h"

#include <QRegularExpression>

#include <cstdlib>
#include <optional>
#include <sqlite3.h>

namespace {

ado::dialecto::EsquemaDialecto esquema()
{
    ado::dialecto::EsquemaDialecto e{
        {QStringLiteral("FECHA"), QStringLiteral("FECHAHORA_GRABACION"), QStringLiteral("VENCIMIENTO")},
        {QStringLiteral("NOMBRE"), QStringLiteral("MENSAJE"), QStringLiteral("CODIGO")}};
    e.declara(QStringLiteral("T"), QStringLiteral("E"), ado::dialecto::TipoExpresion::Entero);
    e.declara(QStringLiteral("T"), QStringLiteral("F"), ado::dialecto::TipoExpresion::Entero);
    return e;
}

// The pieces an integer expression is made of; each byte of the input picks one. ISNULL is
// SQLite's IFNULL in the plain text.
const char* const kPiezas[] = {
    "E",      "F",    "1",       "7",         "0",       "NULL", " + ", " - ",
    " * ",    " / ",  " % ",     "(",         ")",       "-",    "+",   "CASE WHEN E > F THEN ",
    " ELSE ", " END", "ISNULL(", "COALESCE(", "NULLIF(", ", ",
};

// The value of the one column and row `sql` gives on `base`, as text ("NULL" for NULL, "real" for
// any real); nothing when it fails or gives more than one column.
std::optional<QString> valor(sqlite3* base, const QString& sql)
{
    sqlite3_stmt* sentencia = nullptr;
    const QByteArray texto = sql.toUtf8();
    if (sqlite3_prepare_v2(base, texto.constData(), static_cast<int>(texto.size()), &sentencia, nullptr) != SQLITE_OK) {
        sqlite3_finalize(sentencia);
        return std::nullopt;
    }
    std::optional<QString> resultado;
    if (sqlite3_column_count(sentencia) == 1 && sqlite3_step(sentencia) == SQLITE_ROW) {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(sentencia, 0));
        const int tipo = sqlite3_column_type(sentencia, 0);
        resultado = tipo == SQLITE_NULL ? QStringLiteral("NULL")
            : tipo == SQLITE_INTEGER    ? QString::fromUtf8(t)
                                        : QStringLiteral("real");
    }
    sqlite3_finalize(sentencia);
    return resultado;
}

// The rewrite never changes the value of an expression over integers: where SQLite's own
// arithmetic gives an integer, the rewritten text gives the same one. It may refuse what SQLite
// answers with NULL (a division by zero) or a real (an overflow); what SQLite refuses is not looked at.
void comparaEnteros(const ado::sqlite::TraductorSqlite& traductor, const uint8_t* datos, size_t largo)
{
    static sqlite3* base = [] {
        sqlite3* b = nullptr;
        sqlite3_open(":memory:", &b);
        ado::sqlite::RegistraFuncionesDialecto(b);
        ado::sqlite::RegistraFuncionesAritmetica(b);
        sqlite3_exec(b, "CREATE TABLE T (E INTEGER, F INTEGER); INSERT INTO T VALUES (-7, 2)", nullptr, nullptr,
                     nullptr);
        return b;
    }();
    QString expresion;
    for (size_t i = 0; i < largo && i < 64; ++i)
        expresion += QLatin1String(kPiezas[datos[i] % std::size(kPiezas)]);
    // Digits in a row make one literal: past int's range the server types it as a decimal, and
    // the expression is no longer over integers.
    static const QRegularExpression cifrasSeguidas(QStringLiteral("[0-9]{10}"));
    if (expresion.contains(cifrasSeguidas))
        return;
    const QString sql = QStringLiteral("SELECT ") + expresion + QStringLiteral(" FROM T");
    QString plana = sql;
    plana.replace(QStringLiteral("ISNULL("), QStringLiteral("IFNULL("));
    const auto esperado = valor(base, plana);
    if (!esperado || *esperado == u"NULL" || *esperado == u"real")
        return;
    const auto obtenido = valor(base, traductor.traduce(sql));
    if (obtenido != esperado)
        std::abort();
}

// A literal the rewrite may change: a day-first date, compared with or assigned to a date column.
bool esFecha(const LiteralSql& literal)
{
    return ado::dialecto::LeeFecha(literal.contenido).has_value();
}

// A literal that reads as a number: beside a number the rewrite writes it as that number.
bool esNumero(const LiteralSql& literal)
{
    bool leido = false;
    literal.contenido.trimmed().toDouble(&leido);
    return leido;
}

} // namespace

// The first byte picks the property: with bit 2 the rest is an expression over integers
// (comparaEnteros); otherwise bit 1 picks the engine (the embedded one or the server) and the rest
// is a statement, whose rewrite never changes the text inside a string literal: every literal of
// the statement that is neither a date nor a number comes out whole, closed or not, in the same order.
// A statement the server refuses by its types becomes the refusal alone, and is not looked at.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    if (largo == 0)
        return 0;
    static const ado::sqlite::TraductorSqlite sqlite(esquema());
    static const ado::postgresql::TraductorPostgres postgres(esquema());
    if (datos[0] & 2) {
        comparaEnteros(sqlite, datos + 1, largo - 1);
        return 0;
    }
    const QString sentencia = textoDe(datos + 1, largo - 1);
    const QString traducida = (datos[0] & 1) ? postgres.traduce(sentencia) : sqlite.traduce(sentencia);
    const bool rechazada = traducida.contains(QLatin1String("KQ_FALLA("), Qt::CaseInsensitive)
        && !sentencia.contains(QLatin1String("KQ_FALLA("), Qt::CaseInsensitive);
    if (!rechazada && !seConservan(literalesDe(sentencia), literalesDe(traducida), [](const LiteralSql& l) {
            return !esFecha(l) && !esNumero(l);
        }))
        std::abort();
    return 0;
}
