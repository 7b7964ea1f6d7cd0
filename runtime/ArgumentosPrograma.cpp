#include "runtime/ArgumentosPrograma.h"

#include "runtime/ClavesEnTexto.h"

#include <QByteArray>

#include <cstdio>
#include <optional>

namespace {

std::optional<QStringList>& leidos()
{
    static std::optional<QStringList> argumentos;
    return argumentos;
}

QString lineaDeEntrada()
{
    QByteArray linea;
    for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar())
        linea.append(static_cast<char>(c));
    if (linea.endsWith('\r'))
        linea.chop(1);
    return QString::fromLocal8Bit(linea);
}

// The line a launcher left in the environment, taken out of it.
QString lineaDelEntorno()
{
    const QString linea = qEnvironmentVariable(ArgumentosPrograma::kVariableLinea);
    qunsetenv(ArgumentosPrograma::kVariableLinea);
    return linea;
}

} // namespace

QStringList ArgumentosPrograma::Lee(int argc, char* argv[])
{
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    const QString delEntorno = lineaDelEntorno();
    const qsizetype guion = argumentos.indexOf(QStringLiteral("-"));
    if (guion >= 0)
        argumentos[guion] = delEntorno.isEmpty() ? lineaDeEntrada() : delEntorno;
    else if (argumentos.isEmpty() && !delEntorno.isEmpty())
        argumentos << delEntorno;
    for (int i = 1; i < argc; ++i)
        ClavesEnTexto::Borra(argv[i]);
    leidos() = argumentos;
    return argumentos;
}

const QStringList& ArgumentosPrograma::Leidos()
{
    static const QStringList ninguno;
    return leidos() ? *leidos() : ninguno;
}

bool ArgumentosPrograma::HayLeidos()
{
    return leidos().has_value();
}
