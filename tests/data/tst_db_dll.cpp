#include "data/DB_Dll.h"
#include "platform/ado/Constantes.h"
#include "support/BaseDePrueba.h"
#include "support/DialogosGuionados.h"
#include "support/ProveedorGrabador.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Query execution through DB_Dll on a real database, on every backend: what callers see in their variables,
// which failures are reported and how, and the Oracle path on the recording connection double.
class TstDB_Dll : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data();
    void init();
    void abrirReabreUnRecordsetAbierto();
    void abrirDevuelveLaSentenciaConSinonimos();
    void abrirFallidoInformaYDejaCerrado();
    void abrirReintentaSiSeResponde4();
    void abrirTraduceSoloEnOracleYSiSePide_data();
    void abrirTraduceSoloEnOracleYSiSePide();
    void ejecutaMarcadoresYDelete_data();
    void ejecutaMarcadoresYDelete();
    void ejecutaDevuelveRegistrosAfectados();
    void baseEnCarpetaOracleNoEsOracle();
    void erroresSilenciososYAvisados_data();
    void erroresSilenciososYAvisados();
    void cierraRecordsetNuloInforma();
    void trazaRecibeLoEnviado();
};

namespace {
const QDate Dia(2025, 3, 5);
} // namespace

void TstDB_Dll::initTestCase_data()
{
    AgregaMotores();
}

void TstDB_Dll::init()
{
    REQUIERE_MOTOR();
}

void TstDB_Dll::abrirReabreUnRecordsetAbierto()
{
    BaseDePrueba base(true, Dia, MotorActual());
    DB_Dll db;
    db.gEsAdmin = true;
    db.gCnn().Open(base.cadenaConexion());
    ado::Recordset rs;
    QString sql = "SELECT nombre FROM ta_usuarios WHERE nombre = 'admin'";
    db.AbrirRecordset(sql, &rs);
    QCOMPARE(rs.Fields().Item(0).Value().toString(), "admin");
    sql = "SELECT nombre FROM ta_usuarios WHERE nombre = 'ana'";
    db.AbrirRecordset(sql, &rs);
    QCOMPARE(rs.State(), int(ado::adStateOpen));
    QCOMPARE(rs.Fields().Item(0).Value().toString(), "ana");
}

void TstDB_Dll::abrirDevuelveLaSentenciaConSinonimos()
{
    BaseDePrueba base(true, Dia, MotorActual());
    DB_Dll db;
    db.gEsAdmin = false;
    db.gCnn().Open(base.cadenaConexion());
    ado::Recordset rs;
    QString sql = "SELECT * FROM MA_CUENTAS WHERE CODIGO = '1.1.01'";
    db.AbrirRecordset(sql, &rs);
    QCOMPARE(sql, "SELECT * FROM SS_MA_CUENTAS WHERE CODIGO = '1.1.01'");
    QVERIFY(!rs.Bof());
    QCOMPARE(rs.Fields().Item("descripcion").Value().toString(), "Caja");
}

void TstDB_Dll::abrirFallidoInformaYDejaCerrado()
{
    DialogosDePrueba dialogos;
    BaseDePrueba base(false, Dia, MotorActual());
    DB_Dll db;
    db.gCnn().Open(base.cadenaConexion());
    ado::Recordset rs;
    QString sql = "SELECT * FROM MA_CUENTAS WHERE NOEXISTE_TABLA = 1 AND X IN (SELECT 1 FROM NO_HAY )";
    db.AbrirRecordset(sql, &rs);
    QCOMPARE(rs.State(), int(ado::adStateClosed));
    QCOMPARE(sql, "SELECT * FROM SS_MA_CUENTAS WHERE NOEXISTE_TABLA = 1 AND X IN (SELECT 1 FROM NO_HAY )");
    QCOMPARE(dialogos->registros().size(), 1);
    QCOMPARE(dialogos->registros().first().contexto, "AbrirRecordset");
}

void TstDB_Dll::abrirReintentaSiSeResponde4()
{
    DialogosDePrueba dialogos;
    BaseDePrueba base(false, Dia, MotorActual());
    DB_Dll db;
    db.gEsAdmin = true;
    db.gCnn().Open(base.cadenaConexion());
    dialogos->responde(4);
    dialogos->responde(0);
    ado::Recordset rs;
    QString sql = "SELECT * FROM NO_EXISTE";
    db.AbrirRecordset(sql, &rs);
    QCOMPARE(dialogos->registros().size(), 2);
    QCOMPARE(dialogos->registros().at(1).numero, ado::NumeroError::NoExisteTabla);
}

void TstDB_Dll::abrirTraduceSoloEnOracleYSiSePide_data()
{
    QTest::addColumn<bool>("convOracle");
    QTest::addColumn<QString>("enviada");
    QTest::newRow("con traducción") << true << "SELECT  * FROM T WHERE ROWNUM <= 1";
    QTest::newRow("sin traducción") << false << "SELECT TOP 1 * FROM T";
}

void TstDB_Dll::abrirTraduceSoloEnOracleYSiSePide()
{
    QFETCH(bool, convOracle);
    QFETCH(QString, enviada);
    ProveedorGrabador::Guion guion;
    ProveedorGrabador::Registro registro("OraOLEDB.Oracle.1", guion);
    DB_Dll db;
    db.gEsAdmin = true;
    db.gConnString = "Provider=OraOLEDB.Oracle.1;Data Source=X;";
    db.gCnn().Open(db.gConnString);
    ado::Recordset rs;
    QString sql = "SELECT TOP 1 * FROM T";
    db.AbrirRecordset(sql, &rs, {}, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, convOracle);
    QCOMPARE(guion.llamadas, QStringList{enviada});
    QCOMPARE(sql, "SELECT TOP 1 * FROM T");
}

void TstDB_Dll::ejecutaMarcadoresYDelete_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("devuelta");
    QTest::newRow("marcador en cualquier caja, sin sinónimos")
        << "UPDATE @ADMIN_MA_CUENTAS SET DESCRIPCION = 'Caja' WHERE CODIGO IN (SELECT CODIGO FROM @admin_MA_CUENTAS )"
        << "UPDATE MA_CUENTAS SET DESCRIPCION = 'Caja' WHERE CODIGO IN (SELECT CODIGO FROM MA_CUENTAS )";
    QTest::newRow("delete dentro de otro nombre evita los sinónimos")
        << "UPDATE MA_CUENTAS SET DESCRIPCION = 'deleted' WHERE CODIGO = '1.1.01'"
        << "UPDATE MA_CUENTAS SET DESCRIPCION = 'deleted' WHERE CODIGO = '1.1.01'";
    QTest::newRow("sin marcador ni delete: sinónimos")
        << "UPDATE MA_CUENTAS SET DESCRIPCION = 'Caja' WHERE CODIGO = '1.1.01'"
        << "UPDATE SS_MA_CUENTAS SET DESCRIPCION = 'Caja' WHERE CODIGO = '1.1.01'";
}

void TstDB_Dll::ejecutaMarcadoresYDelete()
{
    QFETCH(QString, sql);
    QFETCH(QString, devuelta);
    DialogosDePrueba dialogos;
    BaseDePrueba base(true, Dia, MotorActual());
    DB_Dll db;
    db.gEsAdmin = false;
    db.gCnn().Open(base.cadenaConexion());
    db.EjecutaConsultaSQL(sql);
    QCOMPARE(sql, devuelta);
}

void TstDB_Dll::ejecutaDevuelveRegistrosAfectados()
{
    BaseDePrueba base(true, Dia, MotorActual());
    DB_Dll db;
    db.gEsAdmin = true;
    db.gCnn().Open(base.cadenaConexion());
    QString sql = "UPDATE MV_AGENDA SET MENSAJE = 'x' WHERE FECHA BETWEEN '5/3/2025' AND '5/3/2025 23:59'";
    int32_t afectados = -7;
    db.EjecutaConsultaSQL(sql, afectados);
    QCOMPARE(afectados, 28);
}

// An embedded database kept under a folder called "oracle" is still the embedded database: its
// statements are not translated for Oracle (whose TO_DATE it does not know).
void TstDB_Dll::baseEnCarpetaOracleNoEsOracle()
{
    if (MotorActual() != Motor::SQLite)
        QSKIP("Solo la base incrustada vive en un archivo");
    BaseDePrueba base(true, Dia, MotorActual());
    QVERIFY(QDir(base.carpeta()).mkdir("oracle"));
    const QString ruta = base.carpeta() + "/oracle/agenda.db";
    QVERIFY(QFile::copy(base.ruta(), ruta));
    DialogosDePrueba dialogos;
    DB_Dll db;
    db.gEsAdmin = true;
    db.gCnn().Open("Provider=SQLite;Database=" + ruta);
    QString sql = "UPDATE MV_AGENDA SET MENSAJE = 'x' WHERE FECHA BETWEEN '5/3/2025' AND '5/3/2025 23:59'";
    int32_t afectados = 0;
    db.EjecutaConsultaSQL(sql, afectados);
    QCOMPARE(afectados, 28);
    ado::Recordset rs;
    sql = "SELECT TOP 1 * FROM MV_AGENDA WHERE FECHA >= '5/3/2025'";
    db.AbrirRecordset(sql, &rs);
    QCOMPARE(rs.State(), int(ado::adStateOpen));
    QVERIFY(dialogos->registros().isEmpty());
}

void TstDB_Dll::erroresSilenciososYAvisados_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("abierta");
    QTest::addColumn<int>("avisos");
    QTest::newRow("sintaxis: silencio") << "UPDATE MV_AGENDA SET WHERE" << true << 0;
    QTest::newRow("tabla inexistente: silencio") << "UPDATE NO_EXISTE SET A = 1" << true << 0;
    QTest::newRow("restricción: silencio") << "INSERT INTO ta_usuarios (nombre) VALUES ('admin')" << true << 0;
    QTest::newRow("conexión cerrada: aviso") << "UPDATE MV_AGENDA SET MENSAJE = 'x'" << false << 1;
}

// Only errors outside the provider's usual four numbers reach the person, as "Aviso al operador!!!";
// either way the caller goes on normally.
void TstDB_Dll::erroresSilenciososYAvisados()
{
    QFETCH(QString, sql);
    QFETCH(bool, abierta);
    QFETCH(int, avisos);
    DialogosDePrueba dialogos;
    BaseDePrueba base(true, Dia, MotorActual());
    DB_Dll db;
    db.gEsAdmin = true;
    if (abierta)
        db.gCnn().Open(base.cadenaConexion());
    db.EjecutaConsultaSQL(sql);
    QCOMPARE(dialogos->registros().size(), avisos);
    if (avisos) {
        QCOMPARE(dialogos->registros().first().titulo, "Aviso al operador!!!");
        QCOMPARE(dialogos->registros().first().estilo, Msg::OkSolo + Msg::Critico);
    }
}

void TstDB_Dll::cierraRecordsetNuloInforma()
{
    DialogosDePrueba dialogos;
    DB_Dll db;
    db.CierraRecordset(nullptr);
    QCOMPARE(dialogos->registros().size(), 1);
    QCOMPARE(dialogos->registros().first().contexto, "CierraRecordset");
    QCOMPARE(dialogos->registros().first().numero, ErroresVB::ObjetoNoEstablecido);
    ado::Recordset cerrado;
    db.CierraRecordset(&cerrado);
    QCOMPARE(dialogos->registros().size(), 1);
}

// The connection's trace sees each text as DB_Dll hands it over: synonyms applied, nothing else.
void TstDB_Dll::trazaRecibeLoEnviado()
{
    BaseDePrueba base(true, Dia, MotorActual());
    DB_Dll db;
    db.gCnn().Open(base.cadenaConexion());
    QStringList enviadas;
    db.gCnn().setTraza([&](const QString& t) { enviadas << t; });
    ado::Recordset rs;
    QString consulta = "SELECT * FROM MA_CUENTAS WHERE CODIGO = 'x'";
    db.AbrirRecordset(consulta, &rs);
    QString orden = "UPDATE MV_AGENDA SET MENSAJE = 'O''Brien' WHERE ID = 3";
    db.EjecutaConsultaSQL(orden);
    QCOMPARE(enviadas,
             (QStringList{"SELECT * FROM SS_MA_CUENTAS WHERE CODIGO = 'x'",
                          "UPDATE MV_AGENDA SET MENSAJE = 'O''Brien' WHERE ID = 3"}));
}

AGENDA_PRUEBA(TstDB_Dll)
#include "tst_db_dll.moc"
