#include "platform/ado/sqlite/TraductorSqlite.h"
#include "runtime/Reloj.h"
#include "support/BaseDePrueba.h"

#include <QTest>

using ado::sqlite::EsquemaDialecto;
using ado::sqlite::TraductorSqlite;

namespace {

// The agenda's own tables, as the database file declares them; the schema the provider would read
// from them is written out by hand.
const char* const kTablas[] = {
    "CREATE TABLE MV_AGENDA (ID INTEGER PRIMARY KEY, FECHA DATETIME, IdEntrevista INT, Mensaje VARCHAR(255))",
    "CREATE INDEX IX_MV_AGENDA_FECHA ON MV_AGENDA (FECHA)",
    "CREATE TABLE TA_USUARIOS (CODIGO VARCHAR(10), NOMBRE VARCHAR(50), NIVEL INT)",
    "INSERT INTO MV_AGENDA VALUES (1, '2025-03-05 00:00:00', NULL, 'medianoche'),"
    " (2, '2025-03-05 09:30:00', 12, 'José Pérez'), (3, '2025-03-05 23:59:00', NULL, 'tarde'),"
    " (4, '2025-03-06 09:00:00', NULL, NULL), (5, '2025-03-04 23:00:00', NULL, 'ayer')",
    "INSERT INTO TA_USUARIOS VALUES ('ADM', ' admin ', 9), ('U1', 'José', 2), ('U2', 'JOSE', 3), ('U3', 'ana', 1)",
};

TraductorSqlite traductor()
{
    return TraductorSqlite(EsquemaDialecto{
        {QStringLiteral("FECHA")}, {QStringLiteral("MENSAJE"), QStringLiteral("CODIGO"), QStringLiteral("NOMBRE")}});
}

} // namespace

class TstDialectoSqlite : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void consulta_data();
    void consulta();
    void escritura_data();
    void escritura();
    void indiceDeFechaUsado_data();
    void indiceDeFechaUsado();

private:
    std::unique_ptr<BaseDePrueba> base_;
};

void TstDialectoSqlite::init()
{
    Reloj::fija(QDateTime(QDate(2025, 3, 5), QTime(12, 0)));
    base_ = std::make_unique<BaseDePrueba>(BaseDePrueba::Vacia{});
    for (const char* sql : kTablas)
        QCOMPARE(base_->filasDirectas(QString::fromUtf8(sql)), QString());
}

void TstDialectoSqlite::cleanup()
{
    base_.reset();
    Reloj::libera();
}

void TstDialectoSqlite::consulta_data()
{
    QTest::addColumn<QString>("sentencia");
    QTest::addColumn<QString>("filas");

    QTest::newRow("upper-cased lookup finds a trimmed lower-case name")
        << "SELECT TOP 1  CODIGO FROM TA_USUARIOS WHERE LTRIM(RTRIM(NOMBRE)) ='ADMIN' "
        << "ADM";
    QTest::newRow("accented upper finds accented lower") << "SELECT CODIGO FROM TA_USUARIOS WHERE NOMBRE = N'JOSÉ'"
                                                         << "U1";
    QTest::newRow("unaccented does not find accented") << "SELECT CODIGO FROM TA_USUARIOS WHERE NOMBRE = 'jose'"
                                                       << "U2";
    QTest::newRow("in list ignores case")
        << "SELECT CODIGO FROM TA_USUARIOS WHERE CODIGO IN ('u1', 'adm') ORDER BY NIVEL"
        << "U1,ADM";
    QTest::newRow("day between day-first dates")
        << "SELECT ID FROM MV_AGENDA WHERE FECHA BETWEEN '5/3/2025' AND '5/3/2025 23:59' ORDER BY ID"
        << "1,2,3";
    QTest::newRow("day at midnight") << "SELECT ID FROM MV_Agenda WHERE FECHA = '05/03/2025'"
                                     << "1";
    QTest::newRow("top with order by") << "SELECT TOP 2 ID FROM MV_AGENDA ORDER BY FECHA DESC"
                                       << "4,3";
    QTest::newRow("top without order by") << "SELECT TOP (1) ID FROM MV_AGENDA WHERE ID > 2"
                                          << "3";
    QTest::newRow("top in a subquery") << "SELECT CODIGO FROM TA_USUARIOS WHERE NIVEL IN (SELECT TOP 1 NIVEL FROM "
                                          "TA_USUARIOS ORDER BY NIVEL) ORDER BY CODIGO"
                                       << "U3";
    QTest::newRow("brackets and owner") << "SELECT [Mensaje] FROM dbo.[MV_AGENDA] WHERE [ID] = 2"
                                        << "José Pérez";
    QTest::newRow("len counts characters") << "SELECT LEN('ab  '), LEN(Mensaje) FROM MV_AGENDA WHERE ID = 2"
                                           << "2|10";
    QTest::newRow("charindex ignores case") << "SELECT CHARINDEX('PÉREZ', Mensaje) FROM MV_AGENDA WHERE ID = 2"
                                            << "6";
    QTest::newRow("getdate from the program clock") << "SELECT COUNT(*) FROM MV_AGENDA WHERE FECHA < GETDATE()"
                                                    << "3";
    QTest::newRow("isnull") << "SELECT ISNULL(IdEntrevista, -1) FROM MV_AGENDA WHERE ID = 1"
                            << "-1";
    QTest::newRow("like with accents") << "SELECT ID FROM MV_AGENDA WHERE Mensaje LIKE '%PÉR%'"
                                       << "2";
    QTest::newRow("order by ignores case") << "SELECT CODIGO FROM TA_USUARIOS ORDER BY NOMBRE"
                                           << "ADM,U3,U2,U1";
}

void TstDialectoSqlite::consulta()
{
    QFETCH(QString, sentencia);
    QFETCH(QString, filas);
    const QString traducida = traductor().traduce(sentencia);
    QVERIFY2(base_->filasDirectas(traducida) == filas,
             qPrintable(traducida + " -> " + base_->filasDirectas(traducida)));
}

// What the program writes is stored as written, except a date going into a date column.
void TstDialectoSqlite::escritura_data()
{
    QTest::addColumn<QString>("sentencia");
    QTest::addColumn<QString>("guardado");

    QTest::newRow("note that reads as a date") << "UPDATE MV_AGENDA SET MENSAJE = '05/03/2025' WHERE ID = 4"
                                               << "2025-03-06 09:00:00|05/03/2025";
    QTest::newRow("note with a doubled quote") << "UPDATE MV_AGENDA SET MENSAJE = 'd''Alba, [dbo].x N''y' WHERE ID = 4"
                                               << "2025-03-06 09:00:00|d'Alba, [dbo].x N'y";
    QTest::newRow("date assigned") << "UPDATE MV_AGENDA SET FECHA = '6/3/2025 10:15' WHERE ID = 4"
                                   << "2025-03-06 10:15:00|NULL";
    QTest::newRow("inserted date and note")
        << "INSERT INTO MV_AGENDA (ID, FECHA, Mensaje) VALUES (4, '6/3/2025 8:00', '6/3/2025')"
        << "2025-03-06 08:00:00|6/3/2025";
}

void TstDialectoSqlite::escritura()
{
    QFETCH(QString, sentencia);
    QFETCH(QString, guardado);
    if (sentencia.startsWith(QLatin1String("INSERT")))
        QCOMPARE(base_->filasDirectas(QStringLiteral("DELETE FROM MV_AGENDA WHERE ID = 4")), QString());
    QCOMPARE(base_->filasDirectas(traductor().traduce(sentencia)), QString());
    QCOMPARE(base_->filasDirectas(QStringLiteral("SELECT FECHA, Mensaje FROM MV_AGENDA WHERE ID = 4")), guardado);
}

// A collation on the date column would make the planner give up its index.
void TstDialectoSqlite::indiceDeFechaUsado_data()
{
    QTest::addColumn<QString>("sentencia");
    QTest::newRow("between") << "SELECT * FROM MV_AGENDA WHERE FECHA BETWEEN '5/3/2025' AND '5/3/2025 23:59'";
    QTest::newRow("equal") << "SELECT * FROM MV_AGENDA WHERE FECHA = '05/03/2025'";
    QTest::newRow("literal first") << "SELECT * FROM MV_AGENDA WHERE '05/03/2025' <= FECHA";
}

void TstDialectoSqlite::indiceDeFechaUsado()
{
    QFETCH(QString, sentencia);
    const QString plan = base_->filasDirectas(QStringLiteral("EXPLAIN QUERY PLAN ") + traductor().traduce(sentencia));
    QVERIFY2(plan.contains(QLatin1String("USING INDEX IX_MV_AGENDA_FECHA")), qPrintable(plan));
}

AGENDA_PRUEBA_SIN_VENTANAS(TstDialectoSqlite)
#include "tst_DialectoSqlite.moc"
