#include "db/ArchivoBaseDatos.h"
#include "runtime/ConfiguracionRegional.h"
#include "runtime/ErrorVB.h"
#include "runtime/Reloj.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

// agenda-demo RUTA: (re)creates the demo database at RUTA, laid out around today.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    ConfiguracionRegional::Fija();
    QTextStream errores(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1) {
        errores << "Uso: agenda-demo RUTA" << Qt::endl;
        return 2;
    }
    try {
        ArchivoBaseDatos::Crea(args.first(), true, Reloj::hoy());
    } catch (const ErrorVB& e) {
        errores << QStringLiteral("No se pudo crear la base de demostración: %1").arg(e.descripcion()) << Qt::endl;
        return 1;
    }
    QTextStream(stdout) << QStringLiteral("Base de demostración creada en %1 (agenda desde el %2).")
                               .arg(args.first(), Reloj::hoy().toString(QStringLiteral("dd/MM/yyyy")))
                        << Qt::endl;
    return 0;
}
