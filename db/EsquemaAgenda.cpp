#include "db/EsquemaAgenda.h"

#include "db/DdlServidor.h"
#include "platform/ado/Connection.h"

#include <QFile>
#include <QStringList>

// The scripts are compiled into the program's library; a static library needs its resources
// registered by hand.
static void registraRecursos()
{
    Q_INIT_RESOURCE(db);
}

namespace {

QString recurso(const QString& nombre)
{
    registraRecursos();
    QFile archivo(QStringLiteral(":/db/") + nombre);
    archivo.open(QIODevice::ReadOnly);
    return QString::fromUtf8(archivo.readAll());
}

// The statements of a script of ours: comment lines dropped, each statement ending with ";" at the
// end of a line.
QStringList sentencias(const QString& script)
{
    QStringList resultado;
    QString actual;
    for (const QString& linea : script.split(u'\n')) {
        if (linea.trimmed().startsWith(QLatin1String("--")))
            continue;
        actual += linea + u'\n';
        if (linea.trimmed().endsWith(u';')) {
            resultado.append(actual.trimmed().chopped(1));
            actual.clear();
        }
    }
    if (!actual.trimmed().isEmpty())
        resultado.append(actual.trimmed());
    return resultado;
}

QString literal(const QString& texto)
{
    return u'\'' + QString(texto).replace(u'\'', QLatin1String("''")) + u'\'';
}

struct Procedimiento {
    const char* nombre;
    const char* parametros;
};
constexpr Procedimiento kProcedimientos[] = {
    {"KQ_CREARAGENDA", "@Fecha DATETIME, @Minutos INT = 30"},
};

} // namespace

void EsquemaAgenda::Crea(ado::Connection& conexion)
{
    for (const QString& sentencia : sentencias(recurso(QStringLiteral("esquema.sql"))))
        conexion.Execute(sentencia);
    for (const auto& p : kProcedimientos) {
        const QString nombre = QString::fromLatin1(p.nombre);
        const QString cuerpo = sentencias(recurso(nombre + QStringLiteral(".sql"))).join(QStringLiteral(";\n"));
        conexion.Execute(QStringLiteral("INSERT INTO KQ_PROCEDIMIENTOS (NOMBRE, PARAMETROS, CUERPO) VALUES (%1, %2, %3)")
                             .arg(literal(nombre), literal(QString::fromLatin1(p.parametros)), literal(cuerpo)));
    }
}

void EsquemaAgenda::CreaEnServidor(ado::Connection& conexion)
{
    for (const QString& sentencia : sentencias(recurso(QStringLiteral("esquema.sql")))) {
        if (const auto enServidor = DdlServidor::Traduce(sentencia))
            conexion.Execute(*enServidor);
    }
    for (const auto& p : kProcedimientos)
        conexion.Execute(recurso(QStringLiteral("postgresql/") + QString::fromLatin1(p.nombre) + QStringLiteral(".sql")));
}
