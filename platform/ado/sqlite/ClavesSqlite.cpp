#include "platform/ado/sqlite/ClavesSqlite.h"

#include "platform/ado/dialect/TokenizadorSql.h"
#include "platform/ado/sqlite/TiposSqlite.h"

#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>
#include <string>

namespace ado::sqlite {
namespace {

const QString kPrefijoDisparador = QStringLiteral("kq_clave_");

QString nombre(const QString& n)
{
    return dialecto::TokenizadorSql::citaNombre(n);
}

// KQ_CLAVE_PREFIJO(texto, hasta): the ASCII start of `texto` in lower case, without the blanks it
// ends in; with `hasta` other than 0, followed by the byte 0xFF, above every text that starts so.
// Each text the server's comparison finds equal to `texto` starts, under NOCASE, with that prefix:
// the range between the two reaches them all through a NOCASE index instead of the whole table.
void prefijo(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const unsigned char* t = sqlite3_value_text(argv[0]);
    const int bytes = sqlite3_value_bytes(argv[0]);
    std::string p;
    for (int i = 0; i < bytes && t[i] < 0x80; ++i)
        p += static_cast<char>(t[i] >= 'A' && t[i] <= 'Z' ? t[i] + ('a' - 'A') : t[i]);
    while (!p.empty() && p.back() == ' ')
        p.pop_back();
    if (sqlite3_value_int(argv[1]) != 0)
        p += '\xFF';
    sqlite3_result_text(ctx, p.data(), static_cast<int>(p.size()), SQLITE_TRANSIENT);
}

} // namespace

void ClavesSqlite::RegistraFunciones(sqlite3* conexion)
{
    sqlite3_create_function_v2(conexion, "KQ_CLAVE_PREFIJO", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, prefijo,
                               nullptr, nullptr, nullptr);
}

QList<ClavesSqlite::Clave> ClavesSqlite::lee(const QSqlDatabase& base)
{
    QSqlQuery q(base);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT m.name, l.name, x.name, x.coll, t.type FROM main.sqlite_master m "
                               "JOIN pragma_index_list(m.name, 'main') l JOIN pragma_index_xinfo(l.name, 'main') x "
                               "LEFT JOIN pragma_table_info(m.name, 'main') t ON t.cid = x.cid "
                               "WHERE m.type = 'table' AND l.\"unique\" = 1 AND l.partial = 0 AND x.key = 1 "
                               "ORDER BY m.name, l.name, x.seqno")))
        return {};
    QList<Clave> claves;
    bool valida = false; // the last key read names columns only, no expression
    while (q.next()) {
        const QString tabla = q.value(0).toString();
        const QString indice = q.value(1).toString();
        if (claves.isEmpty() || claves.last().tabla != tabla || claves.last().indice != indice) {
            if (!claves.isEmpty() && !valida)
                claves.removeLast();
            claves.append({tabla, indice, {}});
            valida = true;
        }
        if (q.value(2).isNull())
            valida = false;
        claves.last().columnas.append(
            {q.value(2).toString(), q.value(3).toString(), EsTipoTexto(q.value(4).toString())});
    }
    if (!claves.isEmpty() && !valida)
        claves.removeLast();
    QList<Clave> conTexto;
    for (const Clave& clave : claves) {
        for (const Columna& columna : clave.columnas) {
            if (columna.texto) {
                conTexto.append(clave);
                break;
            }
        }
    }
    return conTexto;
}

bool ClavesSqlite::conIndiceNocase(const Clave& clave)
{
    const Columna& primera = clave.columnas.first();
    return primera.texto && primera.coleccion.compare(QLatin1String("NOCASE"), Qt::CaseInsensitive) == 0;
}

QString ClavesSqlite::otraFila(const Clave& clave, const QString& fila)
{
    QStringList iguales, comoFila;
    for (const Columna& c : clave.columnas) {
        const QString n = nombre(c.nombre);
        iguales << (c.texto ? QStringLiteral("%1 = %2.%1 COLLATE KQ_CI") : QStringLiteral("%1 = %2.%1")).arg(n, fila);
        comoFila << QStringLiteral("%1 IS %2.%1").arg(n, fila);
    }
    QString rango;
    if (conIndiceNocase(clave))
        rango = QStringLiteral("%1 COLLATE NOCASE >= KQ_CLAVE_PREFIJO(%2.%1, 0) AND %1 COLLATE NOCASE < "
                               "KQ_CLAVE_PREFIJO(%2.%1, 1) AND ")
                    .arg(nombre(clave.columnas.first().nombre), fila);
    return QStringLiteral("EXISTS (SELECT 1 FROM main.%1 WHERE %2%3 AND NOT (%4))")
        .arg(nombre(clave.tabla), rango, iguales.join(QLatin1String(" AND ")), comoFila.join(QLatin1String(" AND ")));
}

QStringList ClavesSqlite::disparadores(const Clave& clave)
{
    QStringList comoVieja, cambiadas, columnas, descritas;
    for (const Columna& c : clave.columnas) {
        const QString n = nombre(c.nombre);
        comoVieja << QStringLiteral("%1 IS OLD.%1").arg(n);
        cambiadas << QStringLiteral("NEW.%1 IS NOT OLD.%1").arg(n);
        columnas << n;
        descritas << clave.tabla + u'.' + c.nombre;
    }
    // Another row whose key the server finds equal; one SQLite finds equal is SQLite's to refuse.
    const QString otra = otraFila(clave, QStringLiteral("NEW"));
    const QString rechazo = QStringLiteral(" BEGIN SELECT RAISE(ABORT, %1); END")
                                .arg(dialecto::TokenizadorSql::citaCadena(QStringLiteral("UNIQUE constraint failed: ")
                                                                          + descritas.join(QLatin1String(", "))));
    const QString tabla = nombre(clave.tabla);
    return {
        QStringLiteral("CREATE TEMP TRIGGER %1 BEFORE INSERT ON %2 WHEN %3")
                .arg(nombre(kPrefijoDisparador + clave.indice + QStringLiteral("_i")), tabla, otra)
            + rechazo,
        // Only a key that changes is checked: a row that already repeats another keeps working.
        QStringLiteral("CREATE TEMP TRIGGER %1 BEFORE UPDATE OF %2 ON %3 WHEN (%4) AND %5 AND NOT (%6)")
                .arg(nombre(kPrefijoDisparador + clave.indice + QStringLiteral("_u")),
                     columnas.join(QLatin1String(", ")), tabla, cambiadas.join(QLatin1String(" OR ")), otra,
                     comoVieja.join(QLatin1String(" AND ")))
            + rechazo,
    };
}

void ClavesSqlite::protege(const QSqlDatabase& base)
{
    claves_ = lee(base);
    QStringList deseados;
    for (const Clave& clave : claves_)
        deseados << disparadores(clave);
    QSqlQuery q(base);
    QStringList presentes;
    if (q.exec(QStringLiteral("SELECT name FROM temp.sqlite_master WHERE type = 'trigger' AND name LIKE "
                              "'kq\\_clave\\_%' ESCAPE '\\'"))) {
        while (q.next())
            presentes << q.value(0).toString();
    }
    // A rolled-back transaction may have taken triggers back with it: the names tell.
    if (deseados == instalados_ && presentes.size() == instalados_.size())
        return;
    // One savepoint around the lot: the temporary schema is written once, not once per trigger.
    const bool agrupado = q.exec(QStringLiteral("SAVEPOINT kq_claves"));
    for (const QString& disparador : presentes)
        q.exec(QStringLiteral("DROP TRIGGER temp.") + nombre(disparador));
    instalados_.clear();
    for (const QString& sql : deseados) {
        if (q.exec(sql))
            instalados_ << sql;
    }
    if (agrupado)
        q.exec(QStringLiteral("RELEASE kq_claves"));
}

QStringList ClavesSqlite::repetidas(const QSqlDatabase& base) const
{
    QStringList avisos;
    QSqlQuery q(base);
    q.setForwardOnly(true);
    for (const Clave& clave : claves_) {
        QStringList columnas, grupos, llenas, raras, nombres;
        for (const Columna& c : clave.columnas) {
            const QString n = nombre(c.nombre);
            columnas << QStringLiteral("x.") + n;
            grupos << (c.texto ? n + QStringLiteral(" COLLATE KQ_CI") : n);
            llenas << QStringLiteral("x.") + n + QStringLiteral(" IS NOT NULL");
            if (c.texto)
                raras << QStringLiteral("x.%1 GLOB '*[^ -~]*' OR x.%1 GLOB '* '").arg(n);
            nombres << c.nombre;
        }
        // Under NOCASE, twins differ in a letter beyond ASCII or in the blanks one of them ends in:
        // only those rows are looked at, each through the index. Other keys are sorted whole.
        const QString sql = conIndiceNocase(clave)
            ? QStringLiteral("SELECT %1 FROM main.%2 x WHERE %3 AND (%4) AND %5 LIMIT 1")
                  .arg(columnas.join(QLatin1String(", ")), nombre(clave.tabla), llenas.join(QLatin1String(" AND ")),
                       raras.join(QLatin1String(" OR ")), otraFila(clave, QStringLiteral("x")))
            : QStringLiteral("SELECT %1 FROM main.%2 x WHERE %3 GROUP BY %4 HAVING COUNT(*) > 1 LIMIT 1")
                  .arg(columnas.join(QLatin1String(", ")), nombre(clave.tabla), llenas.join(QLatin1String(" AND ")),
                       grupos.join(QLatin1String(", ")));
        if (!q.exec(sql) || !q.next())
            continue;
        QStringList valores;
        for (int i = 0; i < columnas.size(); ++i)
            valores << q.value(i).toString();
        avisos << QStringLiteral("La tabla %1 tiene claves (%2) que solo se distinguen por mayúsculas y minúsculas "
                                 "o por blancos finales, "
                                 "como '%3': se conservan, pero no se admite ninguna clave nueva que repita otra así.")
                      .arg(clave.tabla, nombres.join(QLatin1String(", ")), valores.join(QLatin1String("', '")));
        q.finish();
    }
    return avisos;
}

} // namespace ado::sqlite
