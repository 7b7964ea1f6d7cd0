#include "ProveedorNulo.h"
#include "data/DB_Dll.h"

#include <benchmark/benchmark.h>

namespace {

const QString kCadenaOracle = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=X;User Id=u;Password=p;");

// A query of about `bytes` characters: a TOP, a WHERE with date columns, date and text literals,
// brackets and LEN, the features the translation handles.
QString consultaDe(qsizetype bytes)
{
    QString sql = QStringLiteral("SELECT TOP 10 [CODIGO], NOMBRE FROM MA_CLIENTES WHERE FECHA >= '01/02/2005'");
    qsizetype i = 0;
    while (sql.size() < bytes) {
        sql += QStringLiteral(
                   " AND (NOMBRE = 'Pérez %1' OR LEN(NOMBRE) > %1) AND FECHAD <= '%2/03/2025' AND [COD X] <> 7")
                   .arg(i)
                   .arg(1 + i % 28);
        ++i;
    }
    return sql + QStringLiteral(" ORDER BY NOMBRE");
}

// A script of `n` INSERT statements with CR LF line ends, GO separators and a transaction around.
QString scriptDe(int n)
{
    QString script = QStringLiteral("SET NOCOUNT ON\r\nGO\r\nBEGIN TRANSACTION\r\n");
    for (int i = 0; i < n; ++i)
        script += QStringLiteral(
                      "INSERT INTO MV_AGENDA (ID, FECHA, MENSAJE) VALUES (%1, '05/03/2025 09:30', 'Nota %1')\r\n")
                      .arg(i);
    return script + QStringLiteral("COMMIT TRANSACTION\r\nGO\r\n");
}

void BM_ORACLE_Dicc(benchmark::State& estado)
{
    DB_Dll db;
    db.gConnString = kCadenaOracle;
    const QString sql = consultaDe(estado.range(0));
    for (auto _ : estado)
        benchmark::DoNotOptimize(db.ORACLE_Dicc(sql));
    estado.SetBytesProcessed(estado.iterations() * sql.size());
    estado.counters["bytes"] = static_cast<double>(sql.size());
}
BENCHMARK(BM_ORACLE_Dicc)->Arg(1000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

void BM_ScriptOracle(benchmark::State& estado)
{
    ProveedorNulo::RegistraComoOracle();
    DB_Dll db;
    db.gEsAdmin = true;
    db.gConnString = kCadenaOracle;
    db.gCnn().Open(kCadenaOracle);
    const QString script = scriptDe(static_cast<int>(estado.range(0)));
    for (auto _ : estado) {
        QString s = script;
        int32_t afectados = 0;
        db.EjecutaConsultaSQL(s, afectados);
        benchmark::DoNotOptimize(afectados);
    }
    estado.SetBytesProcessed(estado.iterations() * script.size());
    estado.counters["bytes"] = static_cast<double>(script.size());
}
BENCHMARK(BM_ScriptOracle)->Arg(20)->Arg(2'000)->Arg(20'000)->Unit(benchmark::kMillisecond);

} // namespace
