// agenda-bench: every benchmark of the program, with the ratios against their floors at the end.
// Runs without a display (offscreen platform unless another is chosen).
#include "BancoAgenda.h"
#include "RazonesBanco.h"
#include "ServidorBanco.h"
#include "runtime/ConfiguracionRegional.h"
#include "runtime/VentanasQt.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    BancoAgenda banco;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", banco.carpeta().toLocal8Bit());
    // The start-up benchmark reads the program's command line: the demo database's.
    QByteArray programa(argv[0]);
    QByteArray linea = banco.lineaDemo().toLocal8Bit();
    char* argumentos[] = {programa.data(), linea.data(), nullptr};
    int cuenta = 2;
    QApplication aplicacion(cuenta, argumentos);
    ConfiguracionRegional::Fija();
    VentanasQt::instala();
    banco.prepara();
    ServidorBanco servidor;

    RazonesBanco informe;
    benchmark::RunSpecifiedBenchmarks(&informe);
    benchmark::Shutdown();
    return 0;
}
