#include "db/EsquemaAgenda.h"

#include "db/DdlServidor.h"
#include "platform/ado/Connection.h"
#include "platform/ado/dialect/VistaSql.h"

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

// The statements of a script of ours, each without its final ";" and without the comments around
// it. A ";" inside a trigger's BEGIN ... END belongs to the trigger.
QStringList sentencias(const QString& script)
{
    const ado::dialecto::VistaSql v(script);
    QStringList resultado;
    qsizetype primero = 0; // the statement's first token
    int bloques = 0;
    for (qsizetype k = 0; k <= v.size(); ++k) {
        if (k < v.size() && !v.esSimbolo(k, QLatin1String(";"))) {
            if (v.es(k, QLatin1String("BEGIN")) && v.es(primero, QLatin1String("CREATE")))
                ++bloques;
            else if (v.es(k, QLatin1String("END")) && v.pareja(k) < 0 && bloques > 0)
                --bloques;
            continue;
        }
        if (bloques > 0 && k < v.size())
            continue;
        if (k > primero)
            resultado.append(script.mid(v.inicio(primero), v.fin(k - 1) - v.inicio(primero)));
        primero = k + 1;
        bloques = 0;
    }
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
        conexion.Execute(
            QStringLiteral("INSERT INTO KQ_PROCEDIMIENTOS (NOMBRE, PARAMETROS, CUERPO) VALUES (%1, %2, %3)")
                .arg(literal(nombre), literal(QString::fromLatin1(p.parametros)), literal(cuerpo)));
    }
}

void EsquemaAgenda::CreaEnServidor(ado::Connection& conexion)
{
    for (const QString& sentencia : SentenciasEnServidor())
        conexion.Execute(sentencia);
}

QStringList EsquemaAgenda::SentenciasEnServidor()
{
    QStringList resultado;
    for (const QString& sentencia : sentencias(recurso(QStringLiteral("esquema.sql")))) {
        if (const auto enServidor = DdlServidor::Traduce(sentencia))
            resultado.append(*enServidor);
    }
    for (const auto& p : kProcedimientos)
        resultado.append(
            recurso(QStringLiteral("postgresql/") + QString::fromLatin1(p.nombre) + QStringLiteral(".sql")));
    return resultado;
}

QStringList EsquemaAgenda::TablasDeDatos()
{
    QStringList tablas;
    for (const QString& sentencia : sentencias(recurso(QStringLiteral("esquema.sql")))) {
        const ado::dialecto::VistaSql v(sentencia);
        if (v.es(0, QLatin1String("CREATE")) && v.es(1, QLatin1String("TABLE")) && v.esNombre(2)
            && !v.es(2, QLatin1String("KQ_PROCEDIMIENTOS")))
            tablas.append(v.nombreEscrito(2));
    }
    return tablas;
}
