#include "RazonesBanco.h"
#include "data/DB_Dll.h"
#include "db/ArchivoBaseDatos.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/ListView.h"
#include "runtime/Entorno.h"

#include <QComboBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

const QString Consulta = QStringLiteral("SELECT NOMBRE, CODIGO, CIUDAD, PRECIO FROM CLIENTES_BENCH");

// Loading the list may take at most twice the time Qt Sql alone takes to fetch the same rows.
const bool metaRegistrada = (RazonesBanco::registraMeta("BM_CargaLista", 2.0), true);

// A demo database file with `filas` clients of four columns, in a folder of its own.
struct BaseClientes {
    QTemporaryDir carpeta;
    QString ruta;

    explicit BaseClientes(int filas) : ruta(carpeta.filePath(QStringLiteral("bench.db")))
    {
        ArchivoBaseDatos::Crea(ruta, false, QDate(2025, 3, 5));
        auto conexion = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("preparacion"));
        conexion.setDatabaseName(ruta);
        conexion.open();
        QSqlQuery q(conexion);
        q.exec(QStringLiteral(
            "CREATE TABLE CLIENTES_BENCH (NOMBRE VARCHAR(40), CODIGO VARCHAR(10), CIUDAD VARCHAR(30), PRECIO FLOAT)"));
        conexion.transaction();
        q.prepare(QStringLiteral("INSERT INTO CLIENTES_BENCH VALUES (?, ?, ?, ?)"));
        const QStringList ciudades{QStringLiteral("Madrid"), QStringLiteral("Sevilla"), QStringLiteral("Bilbao"),
                                   QStringLiteral("Cádiz")};
        for (int i = 0; i < filas; ++i) {
            q.addBindValue(
                QStringLiteral("Cliente número %1 de la lista").arg(i * 7919 % filas, 6, 10, QLatin1Char('0')));
            q.addBindValue(QString::number(i));
            q.addBindValue(ciudades[i % ciudades.size()]);
            q.addBindValue(i * 1.25);
            q.exec();
        }
        conexion.commit();
        q = QSqlQuery();
        conexion.close();
        conexion = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("preparacion"));
    }
};

// The shared data-access object connected to the file for the benchmark's lifetime.
struct Conectado {
    explicit Conectado(const QString& ruta)
    {
        auto conexion = std::make_shared<ado::Connection>();
        conexion->Open(ArchivoBaseDatos::CadenaConexion(ruta));
        DB_Dll::Compartido().setGCnn(conexion);
        DB_Dll::Compartido().gEsAdmin = true;
    }
    ~Conectado()
    {
        DB_Dll::Compartido().gCnn().Close();
        DB_Dll::Compartido().setGCnn(nullptr);
    }
};

// The list lookup's whole load: the statement through the data layer, columns, every row into the
// list, widths.
void BM_CargaLista(benchmark::State& estado)
{
    const int filas = static_cast<int>(estado.range(0));
    BaseClientes base(filas);
    Entorno::FijaCarpetaPrograma(base.carpeta.path());
    const Conectado conectado(base.ruta);
    Lib_FrmCons3 dialogo;
    for (auto _ : estado) {
        dialogo.SQL = Consulta;
        dialogo.Form_Load();
        if (dialogo.ListView1().CantidadItems() != filas)
            estado.SkipWithError("the list did not get every row");
    }
    Entorno::FijaCarpetaPrograma({});
    estado.SetItemsProcessed(estado.iterations() * filas);
}
BENCHMARK(BM_CargaLista)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The data layer's share of the load: the statement opened through AbrirRecordset (every row fetched).
void BM_CargaRecordset(benchmark::State& estado)
{
    const int filas = static_cast<int>(estado.range(0));
    BaseClientes base(filas);
    const Conectado conectado(base.ruta);
    ado::Recordset rs;
    for (auto _ : estado) {
        QString sql = Consulta;
        DB_Dll::Compartido().AbrirRecordset(sql, &rs);
        if (rs.RecordCount() != filas)
            estado.SkipWithError("the recordset did not get every row");
        rs.Close();
    }
    estado.SetItemsProcessed(estado.iterations() * filas);
}
BENCHMARK(BM_CargaRecordset)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The same rows fetched through Qt Sql alone: every value of every row read.
void BM_CargaLista_Suelo(benchmark::State& estado)
{
    const int filas = static_cast<int>(estado.range(0));
    BaseClientes base(filas);
    {
        auto conexion = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("directa"));
        conexion.setDatabaseName(base.ruta);
        conexion.open();
        for (auto _ : estado) {
            QSqlQuery q(conexion);
            q.setForwardOnly(true);
            q.exec(Consulta);
            int leidas = 0;
            while (q.next()) {
                for (int i = 0; i < 4; ++i)
                    benchmark::DoNotOptimize(q.value(i));
                ++leidas;
            }
            if (leidas != filas)
                estado.SkipWithError("Qt Sql did not read every row");
        }
        conexion.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("directa"));
    estado.SetItemsProcessed(estado.iterations() * filas);
}
BENCHMARK(BM_CargaLista_Suelo)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// One keystroke in the first search box over 100,000 loaded rows. The worst keystroke: a text that
// no row begins with, so every row is looked at.
void BM_BusquedaIncremental(benchmark::State& estado)
{
    constexpr int filas = 100'000;
    BaseClientes base(filas);
    Entorno::FijaCarpetaPrograma(base.carpeta.path());
    const Conectado conectado(base.ruta);
    Lib_FrmCons3 dialogo;
    dialogo.SQL = Consulta;
    dialogo.Form_Load();
    QComboBox& caja = dialogo.CmbSearch(0);
    const QString textos[] = {QStringLiteral("Cliente número 0999"), QStringLiteral("Cliente número 099x")};
    int i = 0;
    for (auto _ : estado)
        caja.setEditText(textos[i++ % 2]);
    Entorno::FijaCarpetaPrograma({});
}
BENCHMARK(BM_BusquedaIncremental)->Unit(benchmark::kMicrosecond);

} // namespace
