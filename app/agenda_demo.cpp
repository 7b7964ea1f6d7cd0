#include "db/ArchivoBaseDatos.h"
#include "db/BaseServidor.h"
#include "runtime/ArgumentosPrograma.h"
#include "runtime/AyudaPrograma.h"
#include "runtime/ConfiguracionRegional.h"
#include "runtime/ErrorVB.h"
#include "runtime/Reloj.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

// agenda-demo RUTA: (re)creates the demo database at RUTA, laid out around today.
// agenda-demo "Provider=PostgreSQL;Server=...;Database=...;UId=...;Pwd=..." [--sin-demo]: creates the
// agenda's database on that server, with the demo data unless --sin-demo.
namespace {
const char* const kUso
    = "Uso: agenda-demo RUTA\n"
      "     agenda-demo \"Provider=PostgreSQL;Server=SERVIDOR[:PUERTO];Database=BASE;UId=USUARIO;Pwd=CLAVE\" "
      "[--sin-demo]";
}

int main(int argc, char* argv[])
{
    if (const auto salida = AyudaPrograma::Responde(argc, argv, "agenda-demo", kUso))
        return *salida;
    QStringList args = ArgumentosPrograma::Lee(argc, argv);
    QCoreApplication app(argc, argv);
    ConfiguracionRegional::Fija();
    QTextStream errores(stderr);
    const bool sinDemo = args.removeAll(QStringLiteral("--sin-demo")) > 0;
    const bool enServidor
        = !args.isEmpty() && args.first().trimmed().startsWith(QLatin1String("Provider="), Qt::CaseInsensitive);
    // An argument that starts with "-" is an option this program does not know, never a file's name.
    if (args.size() != 1 || (sinDemo && !enServidor) || args.first().startsWith(u'-')) {
        errores << kUso << Qt::endl;
        return 2;
    }
    try {
        if (enServidor)
            BaseServidor::Crea(args.first(), !sinDemo, Reloj::hoy());
        else
            ArchivoBaseDatos::Crea(args.first(), true, Reloj::hoy());
    } catch (const ErrorVB& e) {
        errores << QStringLiteral("No se pudo crear la base de %1: %2")
                       .arg(sinDemo ? QStringLiteral("la agenda") : QStringLiteral("demostración"), e.descripcion())
                << Qt::endl;
        return 1;
    }
    QTextStream salida(stdout);
    if (enServidor && sinDemo)
        salida << QStringLiteral("Base de la agenda creada en el servidor.") << Qt::endl;
    else
        salida << QStringLiteral("Base de demostración creada en %1 (agenda desde el %2).")
                      .arg(enServidor ? QStringLiteral("el servidor") : args.first(),
                           Reloj::hoy().toString(QStringLiteral("dd/MM/yyyy")))
               << Qt::endl;
    return 0;
}
