#include "data/DB_Dll.h"
#include "runtime/Reloj.h"
#include "support/BaseDePrueba.h"
#include "support/DialogosGuionados.h"

#include <QTest>

#include <map>

// The suite's statements, written for its server, run unchanged on every backend through DB_Dll and
// mean what they mean there: case-insensitive text, day-first dates, TOP, brackets, owners and the
// server's functions.
class TstDialectoAgenda : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data();
    void initTestCase();
    void init();
    void consultas_data();
    void consultas();
    void notasSeGuardanTalCual_data();
    void notasSeGuardanTalCual();
    void fechasSeLeenComoFechas();
    void usuarioSinPrivilegiosLeeSinonimos();

private:
    struct Estado {
        std::unique_ptr<BaseDePrueba> base;
        std::unique_ptr<DB_Dll> db;
    };
    std::map<Motor, Estado> estados_;
    BaseDePrueba* base_ = nullptr;
    DB_Dll* db_ = nullptr;
    QString primerValor(QString sql);
    int filas(QString sql);
};

void TstDialectoAgenda::initTestCase_data()
{
    AgregaMotores();
}

void TstDialectoAgenda::initTestCase()
{
    Reloj::fija(QDateTime(QDate(2025, 3, 5), QTime(10, 15, 30)));
}

// One demo database per backend, made when its first test runs.
void TstDialectoAgenda::init()
{
    REQUIERE_MOTOR();
    Estado& e = estados_[MotorActual()];
    if (!e.base) {
        e.base = std::make_unique<BaseDePrueba>(true, QDate(2025, 3, 5), MotorActual());
        e.db = std::make_unique<DB_Dll>();
        e.db->gEsAdmin = true;
        e.db->gCnn().Open(e.base->cadenaConexion());
    }
    base_ = e.base.get();
    db_ = e.db.get();
}

QString TstDialectoAgenda::primerValor(QString sql)
{
    ado::Recordset rs;
    db_->AbrirRecordset(sql, &rs);
    if (rs.State() != ado::adStateOpen || rs.Bof())
        return QStringLiteral("<sin filas>");
    const QVariant v = rs.Fields().Item(0).Value();
    return v.isNull() ? QStringLiteral("<null>") : v.toString();
}

int TstDialectoAgenda::filas(QString sql)
{
    ado::Recordset rs;
    db_->AbrirRecordset(sql, &rs);
    return rs.State() == ado::adStateOpen ? rs.RecordCount() : -1;
}

void TstDialectoAgenda::consultas_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("mayúsculas acentuadas encuentran minúsculas")
        << "SELECT Nombre FROM MA_CANDIDATOS WHERE Nombre = 'JOSÉ PÉREZ'"
        << "José Pérez";
    QTest::newRow("sin acento no es lo mismo") << "SELECT COUNT(*) FROM MA_CANDIDATOS WHERE Nombre = 'JOSE PEREZ'"
                                               << "0";
    QTest::newRow("consulta entera en mayúsculas con LTRIM(RTRIM())")
        << "SELECT TOP 1  * FROM TA_USUARIOS WHERE LTRIM(RTRIM(NOMBRE)) ='ADMIN' "
        << "admin";
    QTest::newRow("clave de configuración en otra caja")
        << "SELECT VALOR, valoraux FROM TA_CONFIGURACION WHERE CLAVE = 'HorarioAtencionDesde'"
        << "9:00";
    QTest::newRow("like con acentos") << "SELECT Nombre FROM MA_CANDIDATOS WHERE Nombre LIKE '%FERNÁNDEZ'"
                                      << "Lucía Fernández";
    QTest::newRow("día de la agenda con between")
        << "SELECT COUNT(*) FROM MV_AGENDA WHERE FECHA BETWEEN '5/3/2025' AND '5/3/2025 23:59'"
        << "28";
    QTest::newRow("igual a medianoche") << "SELECT COUNT(*) FROM MV_Agenda WHERE FECHA = '05/03/2025'"
                                        << "0";
    QTest::newRow("igual a una franja") << "SELECT COUNT(*) FROM MV_AGENDA WHERE FECHA = '05/03/2025 09:30'"
                                        << "1";
    QTest::newRow("fecha a la izquierda") << "SELECT COUNT(*) FROM MV_AGENDA WHERE '6/3/2025' > FECHA"
                                          << "28";
    QTest::newRow("top con order by") << "SELECT TOP 1 FECHA FROM MV_AGENDA ORDER BY FECHA DESC"
                                      << "2025-03-09T20:30:00.000";
    QTest::newRow("top en subconsulta")
        << "SELECT COUNT(*) FROM MV_AGENDA WHERE ID IN (SELECT TOP 3 ID FROM MV_AGENDA ORDER BY ID)"
        << "3";
    QTest::newRow("corchetes y dueño") << "SELECT [nombre] FROM dbo.[ta_usuarios] WHERE [nombre] = 'ana'"
                                       << "ana";
    QTest::newRow("len sin blancos finales") << "SELECT LEN(Mensaje) FROM MV_AGENDA WHERE FECHA = '5/3/2025 16:30'"
                                             << "23";
    QTest::newRow("charindex sin caja")
        << "SELECT CHARINDEX('EQUIPO', Mensaje) FROM MV_AGENDA WHERE FECHA = '5/3/2025 15:30'"
        << "12";
    QTest::newRow("getdate da el momento actual") << "SELECT GETDATE()"
                                                  << "<ahora>";
    QTest::newRow("isnull") << "SELECT ISNULL(Mensaje, 'libre') FROM MV_AGENDA WHERE FECHA = '5/3/2025 07:00'"
                            << "libre";
    QTest::newRow("pendientes") << "SELECT COUNT(*) FROM P_EntrevistasPendientes WHERE ID = 1"
                                << "1";
    // Both databases come from one schema script and one set of demo rows, the lookups' masters too.
    QTest::newRow("maestro de consultas con acento")
        << "SELECT COUNT(*) FROM VT_CLIENTES WHERE RAZON_SOCIAL LIKE 'FERRETERÍA%'"
        << "16";
    QTest::newRow("vista de familias con su código") << "SELECT TOP 1 IDFAMILIA FROM V_TA_FAMILIAS ORDER BY IDFAMILIA"
                                                     << "01";
}

void TstDialectoAgenda::consultas()
{
    QFETCH(QString, sql);
    QFETCH(QString, esperado);
    DialogosDePrueba dialogos;
    if (esperado == u"<ahora>") {
        // The embedded database answers with the program's clock, a server with its own.
        const QDateTime ahora = MotorActual() == Motor::SQLite ? Reloj::ahora() : QDateTime::currentDateTime();
        const QDateTime leido = QDateTime::fromString(primerValor(sql).left(19).replace(u' ', u'T'), Qt::ISODate);
        QVERIFY2(qAbs(leido.secsTo(ahora)) < 120, qPrintable(leido.toString()));
    } else {
        QCOMPARE(primerValor(sql), esperado);
    }
    QVERIFY(dialogos->registros().isEmpty());
}

void TstDialectoAgenda::notasSeGuardanTalCual_data()
{
    QTest::addColumn<QString>("nota");
    QTest::newRow("nota que parece fecha") << "05/03/2025";
    QTest::newRow("nota con comilla") << "Revisar CV de O'Brien";
    QTest::newRow("nota con blancos") << "  con blancos  ";
    QTest::newRow("nota con acentos") << "Reunión con Núñez";
}

void TstDialectoAgenda::notasSeGuardanTalCual()
{
    QFETCH(QString, nota);
    QString sql
        = "UPDATE MV_AGENDA SET MENSAJE = '" + QString(nota).replace("'", "''") + "' WHERE FECHA = '6/3/2025 08:00'";
    int32_t afectados = 0;
    db_->EjecutaConsultaSQL(sql, afectados);
    QCOMPARE(afectados, 1);
    QCOMPARE(primerValor("SELECT Mensaje FROM MV_AGENDA WHERE FECHA = '06/03/2025 08:00'"), nota);
}

void TstDialectoAgenda::fechasSeLeenComoFechas()
{
    ado::Recordset rs;
    QString sql = "SELECT * FROM MV_AGENDA WHERE FECHA = '5/3/2025 9:30'";
    db_->AbrirRecordset(sql, &rs);
    const QVariant fecha = rs.Fields().Item("fecha").Value();
    QCOMPARE(fecha.typeId(), QMetaType::QDateTime);
    QCOMPARE(fecha.toDateTime(), QDateTime(QDate(2025, 3, 5), QTime(9, 30)));
    QCOMPARE(rs.Fields().Item("FECHA").Type(), 135);
}

void TstDialectoAgenda::usuarioSinPrivilegiosLeeSinonimos()
{
    DB_Dll db;
    db.gEsAdmin = false;
    db.gCnn().Open(base_->cadenaConexion());
    ado::Recordset rs;
    QString sql = "SELECT DESCRIPCION FROM MA_CUENTAS WHERE CODIGO = '1.1.01'";
    db.AbrirRecordset(sql, &rs);
    QVERIFY(sql.contains("SS_MA_CUENTAS"));
    QCOMPARE(rs.Fields().Item(0).Value().toString(), "Caja");
}

AGENDA_PRUEBA_SIN_VENTANAS(TstDialectoAgenda)
#include "tst_dialectoagenda.moc"
