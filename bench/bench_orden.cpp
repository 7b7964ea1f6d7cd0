#include "RazonesBanco.h"
#include "platform/ado/sqlite/FuncionesSqlite.h"

#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int kNombres = 100'000;

// The Spanish order may cost at most three times the binary one.
const bool metaRegistrada = (RazonesBanco::registraMeta("BM_OrdenNombres", 3.0), true);

// A file of 100,000 names as an office keeps them: mixed case, accents, Ñ, repeated surnames.
class ArchivoNombres {
public:
    ArchivoNombres()
    {
        sqlite3_open(carpeta_.filePath(QStringLiteral("nombres.db")).toUtf8().constData(), &db_);
        ado::sqlite::RegistraFuncionesDialecto(db_);
        const QStringList nombres = {QStringLiteral("José"),  QStringLiteral("álvaro"), QStringLiteral("MARÍA"),
                                     QStringLiteral("Íñigo"), QStringLiteral("Nuria"),  QStringLiteral("Óscar"),
                                     QStringLiteral("lucía"), QStringLiteral("Zoe"),    QStringLiteral("Begoña")};
        const QStringList apellidos
            = {QStringLiteral("Pérez"),     QStringLiteral("NÚÑEZ"),    QStringLiteral("García"),
               QStringLiteral("Muñoz"),     QStringLiteral("álvarez"),  QStringLiteral("Ortega"),
               QStringLiteral("Fernández"), QStringLiteral("Iglesias"), QStringLiteral("Castaño"),
               QStringLiteral("Sáez"),      QStringLiteral("Ruiz")};
        sqlite3_exec(db_, "CREATE TABLE T (Nombre VARCHAR(80)); BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db_, "INSERT INTO T VALUES (?)", -1, &st, nullptr);
        for (int i = 0; i < kNombres; ++i) {
            const QByteArray nombre
                = (apellidos[(i * 7) % apellidos.size()] + u' ' + apellidos[(i / 11) % apellidos.size()]
                   + QStringLiteral(", ") + nombres[i % nombres.size()] + u' ' + QString::number(i % 997))
                      .toUtf8();
            sqlite3_bind_text(st, 1, nombre.constData(), int(nombre.size()), SQLITE_TRANSIENT);
            sqlite3_step(st);
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    }
    ~ArchivoNombres() { sqlite3_close(db_); }

    // Reads every row of the query; the database sorts them first.
    void lee(const char* sql)
    {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db_, sql, -1, &st, nullptr);
        int filas = 0;
        while (sqlite3_step(st) == SQLITE_ROW)
            filas += sqlite3_column_bytes(st, 0) > 0;
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(filas);
    }

private:
    QTemporaryDir carpeta_;
    sqlite3* db_ = nullptr;
};

ArchivoNombres& archivo()
{
    static ArchivoNombres a;
    return a;
}

// 100,000 names ordered in the Spanish collation the connection registers.
void BM_OrdenNombres(benchmark::State& estado)
{
    for (auto _ : estado)
        archivo().lee("SELECT Nombre FROM T ORDER BY Nombre COLLATE KQ_CI");
}
BENCHMARK(BM_OrdenNombres)->Unit(benchmark::kMillisecond);

// The same names ordered by their bytes.
void BM_OrdenNombres_Suelo(benchmark::State& estado)
{
    for (auto _ : estado)
        archivo().lee("SELECT Nombre FROM T ORDER BY Nombre");
}
BENCHMARK(BM_OrdenNombres_Suelo)->Unit(benchmark::kMillisecond);

} // namespace
