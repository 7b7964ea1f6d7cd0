// One day load (CargarDia) with 28 and with 56 slots on a PostgreSQL server reached through a relay
// that holds each message for 1 ms each way, against the same single query through the same relay;
// and the round trips that load makes. The server is a throwaway cluster started for the run; without
// PostgreSQL's programs these benchmarks skip themselves with the reason.
#include "BancoAgenda.h"
#include "ProxyLatencia.h"
#include "RazonesBanco.h"
#include "ServidorBanco.h"
#include "SueloDia.h"
#include "VentanaDelDia.h"
#include "agenda/FrmMVAgenda.h"
#include "data/DB_Dll.h"
#include "db/BaseServidor.h"
#include "platform/ado/Connection.h"
#include "startup/ModGlobal.h"

#include <QSqlDatabase>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

const bool metaRegistrada = (RazonesBanco::registraMeta("BM_CargarDiaServidor", 2.0), true);

constexpr std::chrono::milliseconds kRetardo{1};

// The database of booked days on the server, made once, and the relay in front of the server.
class DiasEnServidor {
public:
    explicit DiasEnServidor(const QString& servidor)
        : proxy_(ServidorBanco::actual().host().toStdString(), static_cast<uint16_t>(ServidorBanco::actual().puerto()),
                 kRetardo)
    {
        const QString base = QStringLiteral(";Database=banco_dias");
        BaseServidor::Crea(servidor + base, true, QDate::currentDate());
        BancoAgenda::reservaDias(servidor + base);
        cadena_ = servidor;
        cadena_.replace(
            QStringLiteral("Server=%1:%2").arg(ServidorBanco::actual().host()).arg(ServidorBanco::actual().puerto()),
            QStringLiteral("Server=127.0.0.1:%1").arg(proxy_.puerto()));
        cadena_ += base;
    }

    // Through the relay.
    [[nodiscard]] QString cadena() const { return cadena_; }
    [[nodiscard]] uint16_t puerto() const { return proxy_.puerto(); }
    [[nodiscard]] long idas() const { return proxy_.idas(); }

private:
    ProxyLatencia proxy_;
    QString cadena_;
};

void BM_CargarDiaServidor(benchmark::State& estado)
{
    DiasEnServidor* dias = ServidorBanco::datos<DiasEnServidor>(estado);
    if (!dias)
        return;
    VentanaDelDia ventana(dias->cadena(), BancoAgenda::actual().diaCon(static_cast<int>(estado.range(0))));
    for (auto _ : estado)
        (*ventana).CargarDia();
}
BENCHMARK(BM_CargarDiaServidor)->Arg(28)->Arg(56)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same rows through Qt's PostgreSQL driver and the same relay, each value read once.
void BM_CargarDiaServidor_Suelo(benchmark::State& estado)
{
    DiasEnServidor* dias = ServidorBanco::datos<DiasEnServidor>(estado);
    if (!dias)
        return;
    const QString nombre = QStringLiteral("suelo_dia_servidor");
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nombre);
        base.setHostName(QStringLiteral("127.0.0.1"));
        base.setPort(dias->puerto());
        base.setDatabaseName(QStringLiteral("banco_dias"));
        base.setUserName(QStringLiteral("postgres"));
        base.open();
        MideSueloDia(estado, base, BancoAgenda::actual().diaCon(static_cast<int>(estado.range(0))));
    }
    QSqlDatabase::removeDatabase(nombre);
}
BENCHMARK(BM_CargarDiaServidor_Suelo)->Arg(28)->Arg(56)->Unit(benchmark::kMillisecond)->UseRealTime();

// One day load, counted: "enviadas" are the texts the program's connection hands to its provider,
// "idas" the messages that went to the server for them (each one a round trip through the relay).
void BM_CargarDiaServidor_Sentencias(benchmark::State& estado)
{
    DiasEnServidor* dias = ServidorBanco::datos<DiasEnServidor>(estado);
    if (!dias)
        return;
    VentanaDelDia ventana(dias->cadena(), BancoAgenda::actual().diaCon(static_cast<int>(estado.range(0))));
    int enviadas = 0;
    long idas = 0;
    for (auto _ : estado) {
        enviadas = 0;
        ModGlobal::DB().gCnn().setTraza([&enviadas](const QString&) { ++enviadas; });
        const long antes = dias->idas();
        (*ventana).CargarDia();
        idas = dias->idas() - antes;
        ModGlobal::DB().gCnn().setTraza({});
    }
    estado.counters["enviadas"] = enviadas;
    estado.counters["idas"] = static_cast<double>(idas);
}
BENCHMARK(BM_CargarDiaServidor_Sentencias)
    ->Arg(28)
    ->Arg(56)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
