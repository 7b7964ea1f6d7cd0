#include "app/ConsolaSql.h"
#include "runtime/ArgumentosPrograma.h"
#include "runtime/AyudaPrograma.h"
#include "runtime/ConfiguracionRegional.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (const auto salida = AyudaPrograma::Responde(argc, argv, "agenda-sql", ConsolaSql::kUso))
        return *salida;
    const QStringList argumentos = ArgumentosPrograma::Lee(argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("agenda-sql"));
    ConfiguracionRegional::Fija();
    QTextStream entrada(stdin);
    QTextStream salida(stdout);
    QTextStream errores(stderr);
    return ConsolaSql::Ejecuta(argumentos, entrada, salida, errores);
}
