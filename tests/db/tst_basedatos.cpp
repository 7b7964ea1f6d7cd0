#include "data/DB_Dll.h"
#include "runtime/Reloj.h"
#include "support/BaseDePrueba.h"
#include "support/DialogosGuionados.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

int cuenta(DB_Dll& db, QString sql)
{
    ado::Recordset rs;
    db.AbrirRecordset(sql, &rs);
    return rs.State() == ado::adStateOpen ? rs.RecordCount() : -1;
}

// The stored text of a column, read with a plain connection that knows nothing of the program.
QString textoAlmacenado(const QString& ruta, const QString& sql)
{
    QString valor;
    {
        auto plana = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("plana"));
        plana.setDatabaseName(ruta);
        plana.open();
        QSqlQuery q(plana);
        q.exec(sql);
        q.next();
        valor = q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("plana"));
    return valor;
}

} // namespace

// The embedded database: the slot-creating procedure kept inside the file, the demo data laid out
// around the day it is made, and a file that any SQLite tool can read.
class TstBaseDatos : public QObject {
    Q_OBJECT
private slots:
    void crearAgenda_data();
    void crearAgenda();
    void crearAgendaRepetidoNoDuplica();
    void demoRelativaAHoy();
    void archivoLegibleSinElPrograma();
};

void TstBaseDatos::crearAgenda_data()
{
    QTest::addColumn<QString>("llamada");
    QTest::addColumn<int>("franjas");
    QTest::addColumn<QString>("primera");
    QTest::addColumn<QString>("ultima");
    QTest::newRow("cada 30 minutos") << "EXEC KQ_CREARAGENDA '05/03/2025', 30" << 28 << "07:00"
                                     << "20:30";
    QTest::newRow("sin duración: 30 minutos") << "EXEC KQ_CREARAGENDA '05/03/2025'" << 28 << "07:00"
                                              << "20:30";
    QTest::newRow("cada 45 minutos") << "EXEC KQ_CREARAGENDA '5/3/2025', 45" << 19 << "07:00"
                                     << "20:30";
    QTest::newRow("duración cero no crea nada") << "EXEC KQ_CREARAGENDA '05/03/2025', 0" << 0 << ""
                                                << "";
    QTest::newRow("mayúsculas y dueño") << "exec dbo.kq_crearagenda '05/03/2025', 60" << 14 << "07:00"
                                        << "20:00";
}

void TstBaseDatos::crearAgenda()
{
    QFETCH(QString, llamada);
    QFETCH(int, franjas);
    QFETCH(QString, primera);
    QFETCH(QString, ultima);
    BaseDePrueba base;
    DB_Dll db;
    db.gEsAdmin = true;
    db.gCnn().Open(base.cadenaConexion());
    db.EjecutaConsultaSQL(llamada);
    ado::Recordset rs;
    QString sql = "SELECT FECHA FROM MV_AGENDA WHERE FECHA BETWEEN '5/3/2025' AND '5/3/2025 23:59' ORDER BY FECHA";
    db.AbrirRecordset(sql, &rs);
    QCOMPARE(rs.RecordCount(), franjas);
    if (franjas == 0)
        return;
    QCOMPARE(rs.Fields().Item(0).Value().toDateTime().toString("HH:mm"), primera);
    rs.MoveLast();
    QCOMPARE(rs.Fields().Item(0).Value().toDateTime().toString("HH:mm"), ultima);
}

void TstBaseDatos::crearAgendaRepetidoNoDuplica()
{
    BaseDePrueba base;
    DB_Dll db;
    db.gEsAdmin = true;
    db.gCnn().Open(base.cadenaConexion());
    QString llamada = "EXEC KQ_CREARAGENDA '05/03/2025', 30";
    db.EjecutaConsultaSQL(llamada);
    QString nota = "UPDATE MV_AGENDA SET MENSAJE = 'guardada' WHERE FECHA = '05/03/2025 10:00'";
    db.EjecutaConsultaSQL(nota);
    for (QString otra : {"EXEC KQ_CREARAGENDA '05/03/2025', 30", "EXEC KQ_CREARAGENDA '05/03/2025', 15"})
        db.EjecutaConsultaSQL(otra);
    QCOMPARE(cuenta(db, "SELECT * FROM MV_AGENDA"), 28);
    QCOMPARE(cuenta(db, "SELECT * FROM MV_AGENDA WHERE MENSAJE = 'guardada'"), 1);
}

void TstBaseDatos::demoRelativaAHoy()
{
    const QDate hoy(2026, 12, 9);
    BaseDePrueba base(true, hoy);
    DB_Dll db;
    db.gEsAdmin = true;
    db.gCnn().Open(base.cadenaConexion());
    const QString dia = hoy.toString("d/M/yyyy");
    QCOMPARE(cuenta(db, "SELECT * FROM MV_AGENDA WHERE FECHA BETWEEN '" + dia + "' AND '" + dia + " 23:59'"), 28);
    QCOMPARE(cuenta(db, "SELECT * FROM MV_AGENDA"), 5 * 28);
    QVERIFY(cuenta(db,
                   "SELECT * FROM MV_AGENDA WHERE FECHA BETWEEN '" + dia + "' AND '" + dia
                       + " 23:59' AND IdEntrevista IS NOT NULL AND IdProcesoBusqueda IS NOT NULL")
            >= 2);
    QVERIFY(cuenta(db,
                   "SELECT * FROM MV_AGENDA WHERE FECHA BETWEEN '" + dia + "' AND '" + dia
                       + " 23:59' AND IdEntrevista IS NOT NULL AND IdProcesoBusqueda IS NULL")
            >= 2);
    QVERIFY(cuenta(db, "SELECT * FROM P_EntrevistasPendientes") > 0);
    QVERIFY(cuenta(db, "SELECT * FROM MV_ENTREVISTAS WHERE ID NOT IN (SELECT ID FROM P_EntrevistasPendientes)") > 0);
    QCOMPARE(cuenta(db, "SELECT * FROM ta_usuarios WHERE nombre = 'admin' AND Administrador = 1"), 1);
    QCOMPARE(cuenta(db, "SELECT * FROM ta_usuarios WHERE nombre = 'ana' AND Administrador = 0"), 1);
    QCOMPARE(cuenta(db, "SELECT * FROM TA_CONFIGURACION WHERE CLAVE = 'HorarioAtencionDesde' AND VALOR = '9:00'"), 1);
    QCOMPARE(cuenta(db, "SELECT * FROM TA_CONFIGURACION WHERE CLAVE = 'HorarioAtencionHasta' AND VALOR = '18:00'"), 1);
    QCOMPARE(cuenta(db, "SELECT * FROM TA_CONFIGURACION WHERE CLAVE = 'MinutosAgenda' AND VALOR = '30'"), 1);
    QCOMPARE(textoAlmacenado(base.ruta(), "SELECT Mensaje FROM MV_AGENDA WHERE FECHA = '2026-12-09 16:30:00'"),
             "  Revisar CV de O'Brien  ");
}

// No collation or function of the program is needed to read, filter and order any table or view.
void TstBaseDatos::archivoLegibleSinElPrograma()
{
    BaseDePrueba base(true);
    auto plana = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("plana"));
    plana.setDatabaseName(base.ruta());
    QVERIFY(plana.open());
    QSqlQuery objetos(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table', 'view') AND name NOT LIKE 'sqlite_%'"),
        plana);
    int vistos = 0;
    while (objetos.next()) {
        const QString nombre = objetos.value(0).toString();
        QSqlQuery q(plana);
        QVERIFY2(q.exec(QStringLiteral("SELECT * FROM \"%1\" WHERE 1 = 1 ORDER BY 1").arg(nombre)),
                 qPrintable(nombre + ": " + q.lastError().text()));
        ++vistos;
    }
    QVERIFY(vistos >= 20);
    QSqlQuery fechas(QStringLiteral("SELECT MIN(FECHA) FROM MV_AGENDA"), plana);
    QVERIFY(fechas.next());
    QCOMPARE(fechas.value(0).toString(), "2025-03-05 07:00:00");
    plana.close();
    plana = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("plana"));
}

AGENDA_PRUEBA_SIN_VENTANAS(TstBaseDatos)
#include "tst_basedatos.moc"
