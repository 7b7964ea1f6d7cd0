#include "platform/ado/Recordset.h"
#include "platform/ado/sqlite/CacheSentenciasSqlite.h"
#include "platform/ado/sqlite/ErroresSqlite.h"
#include "platform/ado/sqlite/ValoresSqlite.h"
#include "support/BaseDePrueba.h"
#include "support/VerificaAdo.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

using namespace ado;
using ado::sqlite::CacheSentenciasSqlite;

namespace {

// A trailing comment with a colon makes the provider run a statement as written, past the cache.
QString sinCache(const QString& sentencia)
{
    return sentencia + QStringLiteral(" -- sin:cache");
}

const QStringList kEsquema = {
    QStringLiteral("CREATE TABLE T (ID INTEGER PRIMARY KEY, TXT VARCHAR(20) NOT NULL DEFAULT '-', NUM INTEGER, "
                   "DEC REAL, LIBRE, FECHA DATETIME, CHECK (NUM IS NULL OR NUM < 1000))"),
    QStringLiteral("CREATE TABLE H (ID INTEGER PRIMARY KEY, T_ID INTEGER REFERENCES T (ID))"),
    QStringLiteral("INSERT INTO T (ID, TXT, NUM) VALUES (1, 'Uno', 1)"),
    QStringLiteral("INSERT INTO T (ID, TXT, NUM) VALUES (2, 'dos', 2)"),
};

// Every row of T with the stored type of each value.
QStringList volcado(Connection& c)
{
    Recordset rs;
    rs.Open(
        QStringLiteral("SELECT typeof(TXT) || ':' || quote(TXT) || ' ' || typeof(NUM) || ':' || quote(NUM) || ' ' || "
                       "typeof(DEC) || ':' || quote(DEC) || ' ' || typeof(LIBRE) || ':' || quote(LIBRE) || ' ' || "
                       "quote(FECHA) AS F FROM T ORDER BY ID"),
        &c);
    QStringList filas;
    for (; !rs.Eof(); rs.MoveNext())
        filas << rs.Fields()[0].Value().toString();
    return filas;
}

// Runs the statement; the records affected, or the error it raised.
QString ejecuta(Connection& c, const QString& sentencia)
{
    try {
        int32_t registros = 0;
        c.Execute(sentencia, &registros);
        return QString::number(registros);
    } catch (const ErrorVB&) {
        const Error& e = c.Errors().Item(0);
        return QStringLiteral("%1 %2 %3 %4 %5")
            .arg(e.SQLState)
            .arg(e.Number)
            .arg(e.NativeError)
            .arg(e.Source, e.Description);
    }
}

} // namespace

class TstCacheSentenciasSqlite : public QObject {
    Q_OBJECT
private slots:
    void recuerdaLosUltimos();
    void rechazaLoQueNoPrepara();
    void mismoResultado_data();
    void mismoResultado();
    void consultaLeeComoQt_data();
    void consultaLeeComoQt();
    void consultaTrasCambioDeEsquema();
};

void TstCacheSentenciasSqlite::recuerdaLosUltimos()
{
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    {
        CacheSentenciasSqlite cache(2);
        const QString a = QStringLiteral("SELECT 1"), b = QStringLiteral("SELECT 2"), c = QStringLiteral("SELECT 3");
        sqlite3_stmt* primera = cache.prepara(db, a);
        QVERIFY(primera);
        QVERIFY(cache.prepara(db, b));
        QCOMPARE(cache.prepara(db, a), primera); // reused, and now the most recent
        QVERIFY(cache.prepara(db, c));
        QCOMPARE(cache.tamano(), 2);
        QVERIFY(cache.contiene(a));
        QVERIFY(!cache.contiene(b));
        cache.descarta(a);
        QVERIFY(!cache.contiene(a));
        cache.vacia();
        QCOMPARE(cache.tamano(), 0);
    }
    QCOMPARE(sqlite3_close(db), SQLITE_OK); // every statement was finalised
}

void TstCacheSentenciasSqlite::rechazaLoQueNoPrepara()
{
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    {
        CacheSentenciasSqlite cache;
        QVERIFY(!cache.prepara(db, QStringLiteral("SELEC 1")));
        QVERIFY(!cache.prepara(db, QStringLiteral("SELECT 1; SELECT 2")));
        QVERIFY(cache.prepara(db, QStringLiteral("SELECT 1;  ")));
        QCOMPARE(cache.tamano(), 1);
    }
    sqlite3_close(db);
}

void TstCacheSentenciasSqlite::mismoResultado_data()
{
    QTest::addColumn<QString>("sentencia");
    QTest::newRow("dígitos entre comillas en columna sin tipo") << "INSERT INTO T (ID, LIBRE) VALUES (3, '123')";
    QTest::newRow("dígitos entre comillas en columna entera") << "INSERT INTO T (ID, NUM) VALUES (3, '123')";
    QTest::newRow("entero en columna sin tipo") << "INSERT INTO T (ID, LIBRE) VALUES (3, 123)";
    QTest::newRow("real sin decimales sigue siendo real") << "INSERT INTO T (ID, LIBRE, DEC) VALUES (3, 2.0, 7)";
    QTest::newRow("real inexacto") << "INSERT INTO T (ID, LIBRE, DEC) VALUES (3, 0.1, 12.34)";
    QTest::newRow("texto vacío no es NULL") << "INSERT INTO T (ID, TXT, LIBRE) VALUES (3, '', '')";
    QTest::newRow("comilla doblada y acentos") << "INSERT INTO T (ID, TXT) VALUES (3, 'd''Alba José')";
    QTest::newRow("enteros negativo y mayor") << "INSERT INTO T (ID, NUM, LIBRE) VALUES (3, -5, 9223372036854775807)";
    QTest::newRow("fecha con el día primero") << "INSERT INTO T (ID, FECHA) VALUES (3, '05/03/2025')";
    QTest::newRow("texto comparado sin distinguir mayúsculas") << "UPDATE T SET NUM = 7 WHERE TXT = 'UNO'";
    QTest::newRow("columna entera contra dígitos entre comillas") << "UPDATE T SET TXT = 'x' WHERE NUM = '2'";
    QTest::newRow("aritmética con un texto") << "UPDATE T SET NUM = NUM + '10', LIBRE = 'a' || 1";
    QTest::newRow("borrado por rango") << "DELETE FROM T WHERE NUM BETWEEN 2 AND 3";
    QTest::newRow("clave duplicada") << "INSERT INTO T (ID, TXT) VALUES (1, 'otra')";
    QTest::newRow("NULL en columna no nula") << "INSERT INTO T (ID, TXT) VALUES (3, NULL)";
    QTest::newRow("restricción check") << "UPDATE T SET NUM = 5000 WHERE ID = 1";
    QTest::newRow("clave foránea") << "INSERT INTO H (ID, T_ID) VALUES (1, 99)";
    QTest::newRow("columna entera que recibe texto") << "INSERT INTO T (ID, TXT) VALUES ('tres', 'x')";
    QTest::newRow("columna desconocida") << "UPDATE T SET NOEXISTE = 'x' WHERE ID = 1";
    QTest::newRow("tabla desconocida") << "DELETE FROM NOEXISTE WHERE ID = 1";
}

// The same statement, run twice (the second time from the cache) on one database and as written
// on another, must leave the same rows and give the same records or the same error.
void TstCacheSentenciasSqlite::mismoResultado()
{
    QFETCH(QString, sentencia);
    BaseDePrueba conCache{BaseDePrueba::Vacia{}};
    BaseDePrueba sinCacheBase{BaseDePrueba::Vacia{}};
    VERIFICA_ADO(conCache.prepara(kEsquema));
    VERIFICA_ADO(sinCacheBase.prepara(kEsquema));
    for (int vez = 0; vez < 2; ++vez) {
        QCOMPARE(ejecuta(conCache.conexion(), sentencia), ejecuta(sinCacheBase.conexion(), sinCache(sentencia)));
        QCOMPARE(volcado(conCache.conexion()), volcado(sinCacheBase.conexion()));
    }
}

void TstCacheSentenciasSqlite::consultaLeeComoQt_data()
{
    QTest::addColumn<QString>("consulta");
    QTest::newRow("enteros pequeños y de más de 32 bits") << "SELECT ID, NUM, LIBRE FROM T ORDER BY ID";
    QTest::newRow("reales, textos, texto vacío y nulos") << "SELECT DEC, TXT, LIBRE, NUM FROM T ORDER BY ID";
    QTest::newRow("columna de fecha") << "SELECT ID, FECHA FROM T ORDER BY ID";
    QTest::newRow("blob") << "SELECT X'00FF41' AS B";
    QTest::newRow("comillas dobles en un nombre") << "SELECT 1 AS \"a\"\"b\", NUM + 1 FROM T WHERE ID = 1";
    QTest::newRow("sin filas") << "SELECT * FROM T WHERE ID = 99";
    QTest::newRow("falla al avanzar") << "SELECT abs(-9223372036854775807 - 1)";
}

// A query answered from the provider's prepared statements must read names, values and failures
// exactly as Qt's driver reads them, the first time and when it is asked again.
void TstCacheSentenciasSqlite::consultaLeeComoQt()
{
    QFETCH(QString, consulta);
    BaseDePrueba base{BaseDePrueba::Vacia{}};
    VERIFICA_ADO(base.prepara(
        kEsquema
        + QStringList{
            QStringLiteral(
                "UPDATE T SET DEC = 2.5, LIBRE = 9223372036854775807, FECHA = '05/03/2025 09:30' WHERE ID = 1"),
            QStringLiteral("UPDATE T SET TXT = '', LIBRE = 'Ñandú', FECHA = 'no es fecha' WHERE ID = 2")}));

    QStringList esperado;
    {
        QSqlDatabase qt = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("qt"));
        qt.setDatabaseName(base.ruta());
        QVERIFY(qt.open());
        QSqlQuery q(qt);
        if (q.exec(consulta)) {
            const QSqlRecord registro = q.record();
            for (int i = 0; i < registro.count(); ++i)
                esperado << registro.fieldName(i);
            while (q.next()) {
                for (int i = 0; i < registro.count(); ++i)
                    esperado << ado::sqlite::ValorLeido(q.value(i), registro.fieldName(i) == u"FECHA").toString() + u'/'
                            + QString::number(ado::sqlite::ValorLeido(q.value(i), false).typeId());
            }
        } else {
            const Error e = ado::sqlite::ErrorDeSqlite(q.lastError());
            esperado << QString::number(e.Number) << e.Description;
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("qt"));

    for (int vez = 0; vez < 2; ++vez) {
        QStringList leido;
        try {
            Recordset rs;
            rs.Open(consulta, &base.conexion());
            for (int i = 0; i < rs.Fields().Count(); ++i)
                leido << rs.Fields()[i].Name();
            for (; !rs.Eof(); rs.MoveNext()) {
                for (int i = 0; i < rs.Fields().Count(); ++i) {
                    const QVariant v = rs.Fields()[i].Value();
                    leido << v.toString() + u'/'
                            + QString::number(v.typeId() == QMetaType::QDateTime ? QMetaType::QString : v.typeId());
                }
            }
        } catch (const ErrorVB&) {
            const Error& e = base.conexion().Errors().Item(0);
            leido << QString::number(e.Number) << e.Description;
        }
        QCOMPARE(leido, esperado);
    }
}

// Another connection adds a column: the same query asked again names it.
void TstCacheSentenciasSqlite::consultaTrasCambioDeEsquema()
{
    BaseDePrueba base{BaseDePrueba::Vacia{}};
    VERIFICA_ADO(base.prepara(kEsquema));
    const auto columnas = [&] {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM H"), &base.conexion());
        return rs.Fields().Count();
    };
    QCOMPARE(columnas(), 2);
    Connection otra;
    otra.Open(base.cadenaConexion());
    otra.Execute(QStringLiteral("ALTER TABLE H ADD COLUMN NOTA VARCHAR(10)"));
    QCOMPARE(columnas(), 3);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstCacheSentenciasSqlite)
#include "tst_CacheSentenciasSqlite.moc"
