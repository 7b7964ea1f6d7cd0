// 100,000 names ordered on the PostgreSQL server in the suite's Spanish order, as the program's
// connection asks for it (ORDER BY of a text column), against the same names ordered by their bytes;
// and ordered through citext's own comparison, which the connection no longer uses for ORDER BY.
// Each counts the sorted rows on the server, so that only the ordering differs. The server is a
// throwaway cluster started for the run; without PostgreSQL's programs they skip themselves.
#include "RazonesBanco.h"
#include "ServidorBanco.h"
#include "db/BaseServidor.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <benchmark/benchmark.h>

namespace {

const bool metaRegistrada = (RazonesBanco::registraMeta("BM_OrdenNombresServidor", 3.0), true);

const QString kBase = QStringLiteral("banco_orden");
const QString kSuelo = QStringLiteral("suelo_orden_servidor");

// The names of bench_orden.cpp, in a citext column of an agenda database on the server.
class NombresEnServidor {
public:
    explicit NombresEnServidor(const QString& servidor)
    {
        BaseServidor::Crea(servidor + QStringLiteral(";Database=") + kBase, false, QDate::currentDate());
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), kSuelo);
        base.setHostName(ServidorBanco::actual().host());
        base.setPort(ServidorBanco::actual().puerto());
        base.setDatabaseName(kBase);
        base.setUserName(QStringLiteral("postgres"));
        base.open();
        QSqlQuery q(base);
        q.exec(QStringLiteral("CREATE TABLE banco_nombres (nombre citext)"));
        q.exec(QStringLiteral("INSERT INTO banco_nombres SELECT a[1 + (i * 7) % 11] || ' ' || a[1 + (i / 11) % 11] || "
                              "', ' || n[1 + i % 9] || ' ' || (i % 997) "
                              "FROM generate_series(0, 99999) i, (SELECT ARRAY['Pérez', 'NÚÑEZ', 'García', 'Muñoz', "
                              "'álvarez', 'Ortega', 'Fernández', "
                              "'Iglesias', 'Castaño', 'Sáez', 'Ruiz'] a, ARRAY['José', 'álvaro', 'MARÍA', 'Íñigo', "
                              "'Nuria', 'Óscar', 'lucía', 'Zoe', "
                              "'Begoña'] n) x"));
        q.exec(QStringLiteral("ANALYZE banco_nombres"));
        conexion_.Open(servidor + QStringLiteral(";Database=") + kBase);
    }
    ~NombresEnServidor() { QSqlDatabase::removeDatabase(kSuelo); }

    [[nodiscard]] ado::Connection& conexion() { return conexion_; }

private:
    ado::Connection conexion_;
};

// Through the program's connection, which gives ORDER BY the Spanish order.
void BM_OrdenNombresServidor(benchmark::State& estado)
{
    NombresEnServidor* nombres = ServidorBanco::datos<NombresEnServidor>(estado);
    if (!nombres)
        return;
    for (auto _ : estado) {
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT COUNT(*) FROM (SELECT Nombre FROM banco_nombres ORDER BY Nombre OFFSET 0) x"),
                &nombres->conexion());
        benchmark::DoNotOptimize(rs.Fields().Item(0).Value());
    }
}
BENCHMARK(BM_OrdenNombresServidor)->Unit(benchmark::kMillisecond)->UseRealTime();

void mideDirecto(benchmark::State& estado, const QString& orden)
{
    if (!ServidorBanco::datos<NombresEnServidor>(estado))
        return;
    QSqlDatabase base = QSqlDatabase::database(kSuelo);
    for (auto _ : estado) {
        QSqlQuery q(base);
        q.exec(QStringLiteral("SELECT COUNT(*) FROM (SELECT nombre FROM banco_nombres ORDER BY %1 OFFSET 0) x")
                   .arg(orden));
        q.next();
        benchmark::DoNotOptimize(q.value(0));
    }
}

// The same names ordered by their bytes, straight through Qt's PostgreSQL driver.
void BM_OrdenNombresServidor_Suelo(benchmark::State& estado)
{
    mideDirecto(estado, QStringLiteral("nombre::text COLLATE \"C\""));
}
BENCHMARK(BM_OrdenNombresServidor_Suelo)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same names ordered by citext's comparison (lower() of both sides at every comparison).
void BM_OrdenNombresServidorCitext(benchmark::State& estado)
{
    mideDirecto(estado, QStringLiteral("nombre"));
}
BENCHMARK(BM_OrdenNombresServidorCitext)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
