#include "platform/ado/postgresql/TraductorPostgres.h"

#include "platform/ado/dialect/VistaSql.h"

#include <QStringList>

namespace ado::postgresql {
namespace {

using Tipo = dialecto::TokenSql::Tipo;

dialecto::RasgosDialecto rasgosPostgres(bool ordenIcu)
{
    dialecto::RasgosDialecto r;
    // citext orders through lower() at every comparison; the session's ICU collation gives the same
    // order from sort keys, several times faster.
    if (ordenIcu)
        r.ordenColumnaTexto = QStringLiteral("::text COLLATE pg_temp.kq_orden");
    r.textoSinCaso = QStringLiteral("::citext");
    r.sinCasoSoloFrenteATexto = true;
    r.nombresEnMinusculas = true;
    r.funciones = {{QStringLiteral("LEN"), QStringLiteral("pg_temp.kq_len")},
                   {QStringLiteral("CHARINDEX"), QStringLiteral("pg_temp.kq_charindex")},
                   {QStringLiteral("GETDATE"), QStringLiteral("pg_temp.kq_getdate")},
                   {QStringLiteral("ISNULL"), QStringLiteral("COALESCE")}};
    r.enteroTruncado = {QStringLiteral("CAST(trunc("), QStringLiteral(") AS integer)")};
    r.nulosComoServidor = true;
    r.falla = QStringLiteral("pg_temp.kq_falla(%1, NULL::integer)");
    r.nuloEntero = QStringLiteral("CAST(NULL AS integer)");
    r.suma = QStringLiteral("pg_temp.kq_suma");
    r.patronLike = QStringLiteral("pg_temp.kq_patron");
    r.sinBlancosFinales = QStringLiteral("rtrim");
    // One function per kind of result, as a PostgreSQL function has one result type.
    const std::pair<const char*, const char*> conversiones[] = {
        {"int", "entero"},          {"integer", "entero"},  {"smallint", "entero"},
        {"tinyint", "entero"},      {"bit", "entero"},      {"bigint", "largo"},
        {"float", "real"},          {"real", "real"},       {"double", "real"},
        {"decimal", "decimal"},     {"numeric", "decimal"}, {"money", "decimal"},
        {"smallmoney", "decimal"},  {"varchar", "texto"},   {"nvarchar", "texto"},
        {"char", "texto"},          {"nchar", "texto"},     {"text", "texto"},
        {"ntext", "texto"},         {"sysname", "texto"},   {"datetime", "fecha"},
        {"smalldatetime", "fecha"}, {"datetime2", "fecha"}, {"date", "dia"},
        {"time", "hora"},           {"", "otro"},
    };
    for (const auto& [tipo, funcion] : conversiones)
        r.conversiones.append(
            {QString::fromLatin1(tipo), QStringLiteral("pg_temp.kq_a_") + QString::fromLatin1(funcion)});
    // The server's functions DefinicionesFuncionesSuite creates; LEFT, RIGHT and SUBSTRING are
    // PostgreSQL's own, with the same results.
    for (const char* funcion : {"REPLICATE", "SPACE", "CHAR", "ASCII", "STR", "ISNUMERIC", "YEAR", "MONTH", "DAY",
                                "DATEADD", "DATEDIFF", "DATEPART", "DATENAME", "ROUND"})
        r.funciones.append(
            {QString::fromLatin1(funcion), QStringLiteral("pg_temp.kq_") + QString::fromLatin1(funcion).toLower()});
    return r;
}

// The EXEC call taken apart: the routine's name and its arguments as written.
struct Llamada {
    QString nombre;
    QStringList argumentos;
};

std::optional<Llamada> desarma(const QString& sentencia)
{
    const dialecto::VistaSql v(sentencia);
    if (!v.esAlguna(0, {QLatin1String("EXEC"), QLatin1String("EXECUTE")}) || !v.esNombre(1))
        return std::nullopt;
    qsizetype k = 1;
    Llamada llamada;
    // owner.name: the owner goes, as everywhere else.
    while (v.esSimbolo(k + 1, QLatin1String(".")) && v.esNombre(k + 2))
        k += 2;
    llamada.nombre = v.nombreEscrito(k).toLower();
    ++k;
    QString actual;
    qsizetype finAnterior = -1;
    for (; k < v.size(); ++k) {
        const QStringView t = v.texto(k);
        const bool coma = v.esSimbolo(k, QLatin1String(","));
        if ((coma || v.esSimbolo(k, QLatin1String(";"))) && v.profundidad(k) == 0) {
            llamada.argumentos.append(actual.trimmed());
            actual.clear();
            finAnterior = -1;
            if (!coma)
                break;
            continue;
        }
        if (actual.isEmpty() && v.token(k).tipo == Tipo::Palabra && t.startsWith(u'@')
            && v.esSimbolo(k + 1, QLatin1String("="))) {
            actual = t.mid(1).toString().toLower() + QStringLiteral(" => ");
            ++k;
            finAnterior = -1;
            continue;
        }
        if (finAnterior >= 0 && v.inicio(k) > finAnterior)
            actual += u' ';
        actual += t;
        finAnterior = v.fin(k);
    }
    if (!actual.trimmed().isEmpty())
        llamada.argumentos.append(actual.trimmed());
    return llamada;
}

} // namespace

TraductorPostgres::TraductorPostgres(dialecto::EsquemaDialecto esquema, bool ordenIcu)
    : traductor_(std::move(esquema), rasgosPostgres(ordenIcu))
{
}

std::optional<QString> TraductorPostgres::llamada(const QString& sentencia, bool esFuncion)
{
    const auto partes = desarma(sentencia);
    if (!partes)
        return std::nullopt;
    const QString cuerpo = QStringLiteral("%1(%2)").arg(partes->nombre, partes->argumentos.join(QStringLiteral(", ")));
    return esFuncion ? QStringLiteral("SELECT * FROM ") + cuerpo : QStringLiteral("CALL ") + cuerpo;
}

QString TraductorPostgres::rutina(const QString& sentencia)
{
    const auto partes = desarma(sentencia);
    return partes ? partes->nombre : QString();
}

} // namespace ado::postgresql
