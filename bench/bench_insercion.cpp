#include "data/DB_Dll.h"
#include "db/ArchivoBaseDatos.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kInserciones = 20'000;

QString insercion(int i)
{
    return QStringLiteral("INSERT INTO MV_AGENDA (FECHA, IdProcesoBusqueda, IdEntrevista, Mensaje) "
                          "VALUES ('2025-03-05 09:30:00', %1, %2, 'Nota número %1 de la agenda')")
        .arg(i)
        .arg(i % 97);
}

// 20,000 INSERTs through EjecutaConsultaSQL on the embedded database, inside one transaction
// (rolled back, so that every iteration starts from the same file).
void BM_Insercion_DB_Dll(benchmark::State& estado)
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("bench.db"));
    ArchivoBaseDatos::Crea(ruta, false, QDate(2025, 3, 5));
    DB_Dll db;
    db.gEsAdmin = false;
    db.gCnn().Open(ArchivoBaseDatos::CadenaConexion(ruta));
    QStringList sentencias;
    for (int i = 0; i < kInserciones; ++i)
        sentencias << insercion(i);
    for (auto _ : estado) {
        db.gCnn().BeginTrans();
        for (const QString& s : sentencias) {
            QString sql = s;
            int32_t afectados = 0;
            db.EjecutaConsultaSQL(sql, afectados);
        }
        db.gCnn().RollbackTrans();
    }
    estado.SetItemsProcessed(estado.iterations() * kInserciones);
}
BENCHMARK(BM_Insercion_DB_Dll)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same INSERTs straight through Qt Sql on the same kind of file.
void BM_Insercion_QtSql(benchmark::State& estado)
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("bench.db"));
    ArchivoBaseDatos::Crea(ruta, false, QDate(2025, 3, 5));
    {
        auto conexion = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("directa"));
        conexion.setDatabaseName(ruta);
        conexion.open();
        QStringList sentencias;
        for (int i = 0; i < kInserciones; ++i)
            sentencias << insercion(i);
        for (auto _ : estado) {
            conexion.transaction();
            QSqlQuery q(conexion);
            for (const QString& s : sentencias)
                q.exec(s);
            conexion.rollback();
        }
        conexion.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("directa"));
    estado.SetItemsProcessed(estado.iterations() * kInserciones);
}
BENCHMARK(BM_Insercion_QtSql)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
