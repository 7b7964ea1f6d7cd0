#include "RazonesBanco.h"

#include <cstdio>

namespace {

struct Meta {
    double razonMaxima;
    bool tiempoReal;
};

std::map<std::string, Meta>& metas()
{
    static std::map<std::string, Meta> registro;
    return registro;
}

constexpr const char* kSufijoSuelo = "_Suelo";

} // namespace

void RazonesBanco::registraMeta(const std::string& familia, double razonMaxima, bool tiempoReal)
{
    metas()[familia] = {razonMaxima, tiempoReal};
}

void RazonesBanco::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        const bool mediana = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !mediana)
            continue;
        std::string nombre = run.run_name.function_name;
        if (!run.run_name.args.empty())
            nombre += '/' + run.run_name.args;
        Tiempos& t = tiempos_[nombre];
        // A median, once there, wins over the single repetitions.
        if (t.mediana && !mediana)
            continue;
        t = {run.GetAdjustedCPUTime(), run.GetAdjustedRealTime(), mediana};
    }
}

void RazonesBanco::Finalize()
{
    ConsoleReporter::Finalize();
    bool cabecera = false;
    for (const auto& [nombre, t] : tiempos_) {
        const auto barra = nombre.find('/');
        const std::string familia = nombre.substr(0, barra);
        const std::string args = barra == std::string::npos ? std::string() : nombre.substr(barra);
        const auto meta = metas().find(familia);
        const auto suelo = tiempos_.find(familia + kSufijoSuelo + args);
        if (meta == metas().end() || suelo == tiempos_.end() || suelo->second.cpu <= 0 || suelo->second.real <= 0)
            continue;
        if (!cabecera) {
            std::printf("\n%-32s %10s %10s %8s %s\n", "razón frente al suelo", "CPU", "real", "meta", "");
            cabecera = true;
        }
        const double cpu = t.cpu / suelo->second.cpu;
        const double real = t.real / suelo->second.real;
        const double juzgada = meta->second.tiempoReal ? real : cpu;
        std::printf("%-32s %9.2fx %9.2fx %7.2fx %s%s%s\n", nombre.c_str(), cpu, real, meta->second.razonMaxima,
                    juzgada <= meta->second.razonMaxima ? "cumple" : "NO cumple",
                    meta->second.tiempoReal ? " (real)" : "", t.mediana ? " (medianas)" : "");
    }
    std::fflush(stdout);
}
