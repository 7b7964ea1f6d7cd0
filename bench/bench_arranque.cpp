// Start-up to a filled grid on the demo database: the agenda window's whole load against a bare Qt
// window that opens the same file and fills a table with the same rows.
#include "BancoAgenda.h"
#include "RazonesBanco.h"
#include "agenda/FrmMVAgenda.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

namespace {

const bool metaRegistrada = (RazonesBanco::registraMeta("BM_Arranque", 1.5), true);

// Window, connection, configuration, today's slots and the filled grid; then the window goes and
// the connection closes, as at the end of the program.
void BM_Arranque(benchmark::State& estado)
{
    BancoAgenda::desconectaPrograma();
    for (auto _ : estado) {
        FrmMVAgenda ventana;
        ventana.Form_Load();
        benchmark::DoNotOptimize(&ventana);
        BancoAgenda::desconectaPrograma();
    }
}
BENCHMARK(BM_Arranque)->Unit(benchmark::kMillisecond);

// A window with a table; the file opened through Qt's SQLite driver; today's rows of the agenda
// fetched with one query and put into the table, one row per slot: time, note, both ids, key.
void BM_Arranque_Suelo(benchmark::State& estado)
{
    const QString ruta = BancoAgenda::actual().rutaDemo();
    const QString hoy = QDate::currentDate().toString(Qt::ISODate);
    const QString consulta
        = QStringLiteral("SELECT * FROM MV_AGENDA WHERE FECHA BETWEEN '%1 00:00:00' AND '%1 23:59:00'").arg(hoy);
    const QString nombre = QStringLiteral("suelo_arranque");
    for (auto _ : estado) {
        {
            QWidget ventana;
            auto* tabla = new QTableWidget(&ventana);
            (new QVBoxLayout(&ventana))->addWidget(tabla);
            QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre);
            base.setDatabaseName(ruta);
            base.open();
            QSqlQuery q(base);
            q.setForwardOnly(true);
            q.exec(consulta);
            tabla->setColumnCount(6);
            for (int fila = 0; q.next(); ++fila) {
                tabla->setRowCount(fila + 1);
                tabla->setItem(fila, 0,
                               new QTableWidgetItem(q.value(1).toDateTime().toString(QStringLiteral("HH:mm"))));
                tabla->setItem(fila, 1, new QTableWidgetItem(q.value(4).toString()));
                tabla->setItem(fila, 2, new QTableWidgetItem(q.value(2).toString()));
                tabla->setItem(fila, 3, new QTableWidgetItem(q.value(3).toString()));
                tabla->setItem(fila, 4, new QTableWidgetItem(q.value(0).toString()));
            }
            if (tabla->rowCount() == 0)
                estado.SkipWithError("la base de demostración no tiene franjas hoy");
        }
        QSqlDatabase::removeDatabase(nombre);
    }
}
BENCHMARK(BM_Arranque_Suelo)->Unit(benchmark::kMillisecond);

} // namespace
