#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

// The console report followed by each measured benchmark as a ratio against its floor, both taken
// from the same run. A benchmark "BM_X/args" is compared with "BM_X_Suelo/args"; with repetitions
// the medians are compared, otherwise the single runs. The table gives CPU-time and real-time
// ratios and the goal registered for the family, and says whether the ratio it is judged on meets it.
class RazonesBanco : public benchmark::ConsoleReporter {
public:
    // The goal of family `familia` ("BM_CargarDia"), as the largest acceptable ratio; judged on the
    // real-time ratio when `tiempoReal` (a floor that runs in another process, whose CPU time the
    // run does not see), on the CPU ratio otherwise.
    static void registraMeta(const std::string& familia, double razonMaxima, bool tiempoReal = false);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Tiempos {
        double cpu = 0;
        double real = 0;
        bool mediana = false;
    };
    std::map<std::string, Tiempos> tiempos_;
};
