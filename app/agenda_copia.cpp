// agenda-copia: copies an agenda between embedded files and PostgreSQL servers (CopiaAgenda).
#include "copia/CopiaAgenda.h"
#include "copia/InterrupcionCopia.h"
#include "copia/ProgresoCopia.h"
#include "runtime/ArgumentosPrograma.h"
#include "runtime/AyudaPrograma.h"
#include "runtime/ConfiguracionRegional.h"

#include <QCoreApplication>

#include <unistd.h>

int main(int argc, char* argv[])
{
    if (const auto salida = AyudaPrograma::Responde(argc, argv, "agenda-copia", CopiaAgenda::kUso))
        return *salida;
    const QStringList argumentos = ArgumentosPrograma::Lee(argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("agenda-copia"));
    ConfiguracionRegional::Fija();
    QTextStream salida(stdout);
    QTextStream errores(stderr);
    const auto opciones = CopiaAgenda::LeeOpciones(argumentos, errores);
    if (!opciones)
        return CopiaAgenda::Uso;
    InterrupcionCopia::Instala();
    ProgresoCopia progreso(errores, ::isatty(STDERR_FILENO) == 1);
    return CopiaAgenda::Ejecuta(*opciones, salida, errores, progreso);
}
