#include "app/ConsolaConsulta.h"
#include "data/DialogoAccesoQt.h"
#include "runtime/ArgumentosPrograma.h"
#include "runtime/AyudaPrograma.h"
#include "runtime/ConfiguracionRegional.h"
#include "runtime/VentanasQt.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const auto salida = AyudaPrograma::Responde(argc, argv, "agenda-consulta", ConsolaConsulta::kUso))
        return *salida;
    const QStringList argumentos = ArgumentosPrograma::Lee(argc, argv);
    QTextStream salida(stdout);
    QTextStream errores(stderr);
    // A bad command line is answered before any window system is needed.
    const auto opciones = ConsolaConsulta::LeeOpciones(argumentos, errores);
    if (!opciones)
        return ConsolaConsulta::kSalidaUso;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("agenda-consulta"));
    ConfiguracionRegional::Fija();
    VentanasQt::instala();
    DialogoAcceso::instala(std::make_unique<DialogoAccesoQt>());
    return ConsolaConsulta::Ejecuta(*opciones, salida, errores);
}
