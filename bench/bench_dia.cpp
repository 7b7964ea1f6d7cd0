// One day load (CargarDia) with 28 and with 56 slots, every other one booked, against one query
// that fetches the same rows; and the statements that load sends.
#include "BancoAgenda.h"
#include "RazonesBanco.h"
#include "SueloDia.h"
#include "VentanaDelDia.h"
#include "agenda/FrmMVAgenda.h"
#include "data/DB_Dll.h"
#include "db/ArchivoBaseDatos.h"
#include "platform/ado/Connection.h"
#include "startup/ModGlobal.h"

#include <QSqlDatabase>
#include <QSqlDriver>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

const bool metaRegistrada = (RazonesBanco::registraMeta("BM_CargarDia", 2.0), true);

// The SQLite connection under the program's provider: the one open on the file of booked days
// that is not ours.
sqlite3* manejadorDelPrograma()
{
    for (const QString& nombre : QSqlDatabase::connectionNames()) {
        const QSqlDatabase base = QSqlDatabase::database(nombre, false);
        if (!nombre.startsWith(QLatin1String("agenda_sqlite_"))
            || base.databaseName() != BancoAgenda::actual().rutaDias())
            continue;
        const QVariant manejador = base.driver()->handle();
        if (manejador.isValid() && qstrcmp(manejador.typeName(), "sqlite3*") == 0)
            return *static_cast<sqlite3* const*>(manejador.constData());
    }
    return nullptr;
}

void BM_CargarDia(benchmark::State& estado)
{
    const int franjas = static_cast<int>(estado.range(0));
    VentanaDelDia ventana(ArchivoBaseDatos::CadenaConexion(BancoAgenda::actual().rutaDias()),
                          BancoAgenda::actual().diaCon(franjas));
    for (auto _ : estado)
        (*ventana).CargarDia();
}
BENCHMARK(BM_CargarDia)->Arg(28)->Arg(56)->Unit(benchmark::kMicrosecond);

// The same rows through Qt's SQLite driver, each value read once.
void BM_CargarDia_Suelo(benchmark::State& estado)
{
    const QString nombre = QStringLiteral("suelo_dia");
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre);
        base.setDatabaseName(BancoAgenda::actual().rutaDias());
        base.open();
        MideSueloDia(estado, base, BancoAgenda::actual().diaCon(static_cast<int>(estado.range(0))));
    }
    QSqlDatabase::removeDatabase(nombre);
}
BENCHMARK(BM_CargarDia_Suelo)->Arg(28)->Arg(56)->Unit(benchmark::kMicrosecond);

int sentenciasSqlite(unsigned, void* cuenta, void*, void*)
{
    ++*static_cast<int*>(cuenta);
    return 0;
}

// One day load, counted: "enviadas" are the texts the program's connection hands to its provider
// (one round trip each on a server), "sqlite" the statements SQLite runs for them (a stored
// procedure runs its body; each step of a statement counts once).
void BM_CargarDia_Sentencias(benchmark::State& estado)
{
    const int franjas = static_cast<int>(estado.range(0));
    VentanaDelDia ventana(ArchivoBaseDatos::CadenaConexion(BancoAgenda::actual().rutaDias()),
                          BancoAgenda::actual().diaCon(franjas));
    sqlite3* manejador = manejadorDelPrograma();
    int enviadas = 0;
    int sqlite = 0;
    for (auto _ : estado) {
        enviadas = 0;
        sqlite = 0;
        ModGlobal::DB().gCnn().setTraza([&enviadas](const QString&) { ++enviadas; });
        if (manejador)
            sqlite3_trace_v2(manejador, SQLITE_TRACE_STMT, sentenciasSqlite, &sqlite);
        (*ventana).CargarDia();
        ModGlobal::DB().gCnn().setTraza({});
        if (manejador)
            sqlite3_trace_v2(manejador, 0, nullptr, nullptr);
    }
    estado.counters["enviadas"] = enviadas;
    estado.counters["sqlite"] = manejador ? sqlite : -1;
}
BENCHMARK(BM_CargarDia_Sentencias)->Arg(28)->Arg(56)->Iterations(1)->Unit(benchmark::kMicrosecond);

} // namespace
