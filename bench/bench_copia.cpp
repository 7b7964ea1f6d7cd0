// A desk's 100,000 agenda rows moved from its file to the server by agenda-copia's engine (snapshot of
// the file, the rows through COPY in one transaction, everything read back and compared), against the
// same rows loaded into the same table by psql's \copy (PostgreSQL's own COPY from a prepared text
// file, in one transaction), in the same run. Both replace what the table held. psql's work happens
// in its own process and the server's: the two are compared by the time they take (real time). The server is a
// throwaway cluster started for the run; without PostgreSQL's programs they skip themselves.
#include "RazonesBanco.h"
#include "ServidorBanco.h"
#include "copia/CopiaAgenda.h"
#include "copia/ProgresoCopia.h"
#include "db/ArchivoBaseDatos.h"
#include "db/BaseServidor.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdexcept>

namespace {

const bool metaRegistrada = (RazonesBanco::registraMeta("BM_CopiaAgendaAlServidor", 3.0, true), true);

constexpr int kFilas = 100000;
const QString kBase = QStringLiteral("banco_copia");

// The desk's file, the same rows as a COPY text file, and an agenda database on the server.
class AgendaParaCopiar {
public:
    explicit AgendaParaCopiar(const QString& servidor)
        : archivo_(carpeta_.filePath(QStringLiteral("puesto.db"))),
          filasCopy_(carpeta_.filePath(QStringLiteral("filas.txt"))),
          destino_(servidor + QStringLiteral(";Database=") + kBase)
    {
        ArchivoBaseDatos::Crea(archivo_, false, QDate(2025, 3, 3));
        BaseServidor::Crea(destino_, false, QDate(2025, 3, 3));
        sqlite3* base = nullptr;
        sqlite3_open(QFile::encodeName(archivo_).constData(), &base);
        sqlite3_exec(base, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* inserta = nullptr;
        sqlite3_prepare_v2(
            base, "INSERT INTO MV_AGENDA (ID, FECHA, IdProcesoBusqueda, IdEntrevista, Mensaje) VALUES (?, ?, ?, ?, ?)",
            -1, &inserta, nullptr);
        QFile texto(filasCopy_);
        if (!texto.open(QIODevice::WriteOnly))
            throw std::runtime_error("no se pudo escribir el archivo de filas");
        const QDateTime inicio(QDate(2025, 3, 3), QTime(7, 0));
        for (int i = 1; i <= kFilas; ++i) {
            const QByteArray fecha
                = inicio.addSecs(60LL * 30 * i).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
            const bool reservado = i % 7 == 0;
            const QByteArray mensaje
                = i % 3 == 0 ? QStringLiteral("Llamar a José por la entrevista nº %1").arg(i).toUtf8() : QByteArray();
            sqlite3_bind_int(inserta, 1, i);
            sqlite3_bind_text(inserta, 2, fecha.constData(), static_cast<int>(fecha.size()), SQLITE_STATIC);
            reservado ? sqlite3_bind_int(inserta, 3, i % 50) : sqlite3_bind_null(inserta, 3);
            reservado ? sqlite3_bind_int(inserta, 4, i) : sqlite3_bind_null(inserta, 4);
            mensaje.isEmpty()
                ? sqlite3_bind_null(inserta, 5)
                : sqlite3_bind_text(inserta, 5, mensaje.constData(), static_cast<int>(mensaje.size()), SQLITE_STATIC);
            sqlite3_step(inserta);
            sqlite3_reset(inserta);
            texto.write(QByteArray::number(i) + '\t' + fecha + '\t' + (reservado ? QByteArray::number(i % 50) : "\\N")
                        + '\t' + (reservado ? QByteArray::number(i) : "\\N") + '\t'
                        + (mensaje.isEmpty() ? "\\N" : mensaje) + '\n');
        }
        sqlite3_finalize(inserta);
        sqlite3_exec(base, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(base);
    }

    [[nodiscard]] const QString& archivo() const { return archivo_; }
    [[nodiscard]] const QString& filasCopy() const { return filasCopy_; }
    [[nodiscard]] const QString& destino() const { return destino_; }

private:
    QTemporaryDir carpeta_;
    QString archivo_;
    QString filasCopy_;
    QString destino_;
};

void BM_CopiaAgendaAlServidor(benchmark::State& estado)
{
    AgendaParaCopiar* agenda = ServidorBanco::datos<AgendaParaCopiar>(estado);
    if (!agenda)
        return;
    QString informe;
    QTextStream salida(&informe);
    QTextStream errores(&informe);
    ProgresoCopia progreso(errores, false);
    for (auto _ : estado) {
        informe.clear();
        if (CopiaAgenda::Ejecuta({agenda->archivo(), agenda->destino(), true}, salida, errores, progreso)
            != CopiaAgenda::Bien) {
            estado.SkipWithError(informe.toStdString().c_str());
            return;
        }
    }
    estado.counters["filas/s"] = benchmark::Counter(kFilas, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_CopiaAgendaAlServidor)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// The floor: psql loads the same rows with COPY, in one transaction that first empties the table.
void BM_CopiaAgendaAlServidor_Suelo(benchmark::State& estado)
{
    AgendaParaCopiar* agenda = ServidorBanco::datos<AgendaParaCopiar>(estado);
    if (!agenda)
        return;
    const ServidorBanco& servidor = ServidorBanco::actual();
    const QStringList argumentos{
        QStringLiteral("-h"),
        servidor.host(),
        QStringLiteral("-p"),
        QString::number(servidor.puerto()),
        QStringLiteral("-U"),
        QStringLiteral("postgres"),
        QStringLiteral("-d"),
        kBase,
        QStringLiteral("-q"),
        QStringLiteral("-v"),
        QStringLiteral("ON_ERROR_STOP=1"),
        QStringLiteral("-c"),
        QStringLiteral("BEGIN"),
        QStringLiteral("-c"),
        QStringLiteral("TRUNCATE mv_agenda"),
        QStringLiteral("-c"),
        QStringLiteral("\\copy mv_agenda (id, fecha, idprocesobusqueda, identrevista, mensaje) FROM '%1'")
            .arg(agenda->filasCopy()),
        QStringLiteral("-c"),
        QStringLiteral("COMMIT")};
    for (auto _ : estado) {
        QProcess psql;
        psql.start(QStringLiteral("psql"), argumentos);
        psql.waitForFinished(-1);
        if (psql.exitCode() != 0) {
            estado.SkipWithError(psql.readAllStandardError().toStdString().c_str());
            return;
        }
    }
    estado.counters["filas/s"] = benchmark::Counter(kFilas, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_CopiaAgendaAlServidor_Suelo)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace
