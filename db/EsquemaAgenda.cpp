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
        const QStringList palabras = sentencia.simplified().split(u' ');
        if (palabras.size() > 2 && palabras[0].compare(u"CREATE", Qt::CaseInsensitive) == 0
            && palabras[1].compare(u"TABLE", Qt::CaseInsensitive) == 0
            && palabras[2].compare(u"KQ_PROCEDIMIENTOS", Qt::CaseInsensitive) != 0)
            tablas.append(palabras[2].section(u'(', 0, 0));
    }
    return tablas;
}
