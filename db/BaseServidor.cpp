#include "db/BaseServidor.h"

#include "db/DatosDemo.h"
#include "db/DatosDemoConsultas.h"
#include "db/EsquemaAgenda.h"
#include "platform/ado/CadenaConexion.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "runtime/ErrorVB.h"

namespace {

bool nombreSimple(const QString& nombre)
{
    if (nombre.isEmpty() || nombre.size() > 63 || nombre.front().isDigit())
        return false;
    for (const QChar c : nombre) {
        if (!((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_'))
            return false;
    }
    return true;
}

// The same connection string, naming another database.
QString otraBase(const ado::CadenaConexion& cadena, const QString& base)
{
    QStringList partes;
    for (const QString& item : cadena.texto().split(u';', Qt::SkipEmptyParts)) {
        const QString clave = item.section(u'=', 0, 0).trimmed();
        if (clave.compare(u"Database", Qt::CaseInsensitive) != 0
            && clave.compare(u"Initial Catalog", Qt::CaseInsensitive) != 0
            && clave.compare(u"Data Source", Qt::CaseInsensitive) != 0)
            partes.append(item);
    }
    partes.append(QStringLiteral("Database=") + base);
    return partes.join(u';');
}

// What an administrator runs to move an agenda whose text columns order by bytes into a database that
// orders them by the Spanish rules: a new database, and a copy of the agenda into it. The password
// never appears.
QString comoCorregirOrden(const ado::CadenaConexion& cadena, const QString& base)
{
    const QString nueva = base + QStringLiteral("_es");
    QStringList sinClave;
    for (const QString& item : otraBase(cadena, nueva).split(u';', Qt::SkipEmptyParts)) {
        const QString clave = item.section(u'=', 0, 0).trimmed();
        if (clave.compare(u"Pwd", Qt::CaseInsensitive) != 0 && clave.compare(u"Password", Qt::CaseInsensitive) != 0)
            sinClave.append(item);
    }
    const QString servidor = cadena.valor(QStringLiteral("Server"));
    const QString usuario = cadena.valor(QStringLiteral("UId"));
    QString createdb
        = QStringLiteral("createdb -T template0 -E UTF8 --locale-provider=icu --icu-locale=es --locale=C.UTF-8");
    if (!servidor.isEmpty())
        createdb += QStringLiteral(" -h ") + servidor.section(u':', 0, 0)
            + (servidor.contains(u':') ? QStringLiteral(" -p ") + servidor.section(u':', 1) : QString());
    if (!usuario.isEmpty())
        createdb += QStringLiteral(" -U ") + usuario;
    QStringList origen = sinClave;
    origen.last() = QStringLiteral("Database=") + base;
    return QStringLiteral(
               "La base de datos \"%1\" compara y ordena los nombres sin las reglas del español (\"Zoe\" antes "
               "de \"ñandú\"): sus columnas de texto se crearon con la configuración regional por omisión del "
               "servidor. Cree otra base y copie en ella la agenda:\n  %2 %3\n  agenda-copia \"%4\" \"%5\"")
        .arg(base, createdb, nueva, origen.join(u';'), sinClave.join(u';'));
}

bool hayFilas(ado::Connection& conexion, const QString& consulta)
{
    ado::Recordset rs;
    rs.Open(consulta, &conexion);
    const bool hay = !rs.Eof();
    rs.Close();
    return hay;
}

} // namespace

void BaseServidor::Crea(const QString& texto, bool conDemo, const QDate& hoy)
{
    const ado::CadenaConexion cadena(texto);
    const QString base = cadena.baseDeDatos();
    if (!nombreSimple(base))
        throw ErrorVB(5,
                      QStringLiteral("El nombre de la base de datos \"%1\" debe ir en minúsculas, con letras, cifras "
                                     "y _ (por ejemplo: agenda).")
                          .arg(base));
    {
        ado::Connection servidor;
        servidor.Open(otraBase(cadena, QStringLiteral("postgres")));
        if (!hayFilas(servidor, QStringLiteral("SELECT 1 FROM pg_database WHERE datname = '%1'").arg(base))) {
            try {
                servidor.Execute(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8' "
                                                "LOCALE_PROVIDER icu ICU_LOCALE 'es' LOCALE 'C.UTF-8'")
                                     .arg(base));
            } catch (const ErrorVB&) {
                // A server without ICU or without the C.UTF-8 locale: its own default, in UTF-8.
                servidor.Execute(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'").arg(base));
            }
        }
        servidor.Close();
    }
    ado::Connection conexion;
    conexion.Open(otraBase(cadena, base));
    conexion.Execute(QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext"));
    if (hayFilas(conexion,
                 QStringLiteral("SELECT 1 FROM information_schema.tables WHERE table_name = 'mv_agenda' "
                                "AND table_schema = ANY (current_schemas(false))"))) {
        const bool ordenBytes = hayFilas(conexion, QStringLiteral("SELECT 1 WHERE pg_temp.kq_orden_bytes()"));
        conexion.Close();
        if (ordenBytes)
            throw ErrorVB(58, comoCorregirOrden(cadena, base));
        throw ErrorVB(
            58,
            QStringLiteral("La base de datos \"%1\" ya tiene las tablas de la agenda; no se ha cambiado nada.")
                .arg(base));
    }
    if (!hayFilas(conexion, QStringLiteral("SELECT 1 FROM pg_collation WHERE collname = 'es-x-icu'"))) {
        conexion.Close();
        throw ErrorVB(
            58,
            QStringLiteral("El servidor no tiene la intercalación \"es-x-icu\" con la que la agenda ordena los "
                           "textos: hace falta un PostgreSQL compilado con ICU, como el de Debian."));
    }
    // A new connection reads the schema again, citext included, before the data goes in.
    conexion.Close();
    conexion.Open(otraBase(cadena, base));
    EsquemaAgenda::CreaEnServidor(conexion);
    conexion.Close();
    if (conDemo) {
        conexion.Open(otraBase(cadena, base));
        DatosDemo::Carga(conexion, hoy);
        conexion.BeginTrans();
        DatosDemoConsultas::Carga(conexion);
        conexion.CommitTrans();
        conexion.Close();
    }
}
