#include "../BaseTemporal.h"

#include "platform/ado/Recordset.h"
#include "platform/ado/sqlite/CacheSentenciasSqlite.h"

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
    rs.Open(QStringLiteral("SELECT typeof(TXT) || ':' || quote(TXT) || ' ' || typeof(NUM) || ':' || quote(NUM) || ' ' || "
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
        return QStringLiteral("%1 %2 %3 %4 %5").arg(e.SQLState).arg(e.Number).arg(e.NativeError).arg(e.Source, e.Description);
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
    QTest::newRow("quoted digits into untyped column") << "INSERT INTO T (ID, LIBRE) VALUES (3, '123')";
    QTest::newRow("quoted digits into integer column") << "INSERT INTO T (ID, NUM) VALUES (3, '123')";
    QTest::newRow("integer into untyped column") << "INSERT INTO T (ID, LIBRE) VALUES (3, 123)";
    QTest::newRow("integral real stays real") << "INSERT INTO T (ID, LIBRE, DEC) VALUES (3, 2.0, 7)";
    QTest::newRow("inexact real") << "INSERT INTO T (ID, LIBRE, DEC) VALUES (3, 0.1, 12.34)";
    QTest::newRow("empty text is not NULL") << "INSERT INTO T (ID, TXT, LIBRE) VALUES (3, '', '')";
    QTest::newRow("doubled quote and accents") << "INSERT INTO T (ID, TXT) VALUES (3, 'd''Alba José')";
    QTest::newRow("negative and largest integers") << "INSERT INTO T (ID, NUM, LIBRE) VALUES (3, -5, 9223372036854775807)";
    QTest::newRow("day-first date") << "INSERT INTO T (ID, FECHA) VALUES (3, '05/03/2025')";
    QTest::newRow("text compared ignoring case") << "UPDATE T SET NUM = 7 WHERE TXT = 'UNO'";
    QTest::newRow("integer column against quoted digits") << "UPDATE T SET TXT = 'x' WHERE NUM = '2'";
    QTest::newRow("arithmetic with a text") << "UPDATE T SET NUM = NUM + '10', LIBRE = 'a' || 1";
    QTest::newRow("delete by range") << "DELETE FROM T WHERE NUM BETWEEN 2 AND 3";
    QTest::newRow("duplicate key") << "INSERT INTO T (ID, TXT) VALUES (1, 'otra')";
    QTest::newRow("NULL into not-null column") << "INSERT INTO T (ID, TXT) VALUES (3, NULL)";
    QTest::newRow("check constraint") << "UPDATE T SET NUM = 5000 WHERE ID = 1";
    QTest::newRow("foreign key") << "INSERT INTO H (ID, T_ID) VALUES (1, 99)";
    QTest::newRow("integer column given text") << "INSERT INTO T (ID, TXT) VALUES ('tres', 'x')";
    QTest::newRow("unknown column") << "UPDATE T SET NOEXISTE = 'x' WHERE ID = 1";
    QTest::newRow("unknown table") << "DELETE FROM NOEXISTE WHERE ID = 1";
}

// The same statement, run twice (the second time from the cache) on one database and as written
// on another, must leave the same rows and give the same records or the same error.
void TstCacheSentenciasSqlite::mismoResultado()
{
    QFETCH(QString, sentencia);
    BaseTemporal conCache;
    BaseTemporal sinCacheBase;
    QVERIFY(conCache.prepara(kEsquema));
    QVERIFY(sinCacheBase.prepara(kEsquema));
    for (int vez = 0; vez < 2; ++vez) {
        QCOMPARE(ejecuta(conCache.conexion, sentencia), ejecuta(sinCacheBase.conexion, sinCache(sentencia)));
        QCOMPARE(volcado(conCache.conexion), volcado(sinCacheBase.conexion));
    }
}

QTEST_GUILESS_MAIN(TstCacheSentenciasSqlite)
#include "tst_CacheSentenciasSqlite.moc"
