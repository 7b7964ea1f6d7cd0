#include "data/DB_Dll.h"
#include "support/BaseDePrueba.h"
#include "support/DialogosGuionados.h"

#include <QTest>

// The single-row lookups on a real database: what they find, quotes inside values, and the
// Abort/Retry/Ignore question.
class TstDB_Dll_Busquedas : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data();
    void init();
    void cleanup();
    void datosTabla_data();
    void datosTabla();
    void datosTablaFechaDiaPrimero_data();
    void datosTablaFechaDiaPrimero();
    void existe_data();
    void existe();
    void numeroConDecimales_data();
    void numeroConDecimales();
    void existeDejaAbiertoElRecordset();
    void fallaPreguntaAlOperador();

private:
    std::unique_ptr<BaseDePrueba> base_;
};

void TstDB_Dll_Busquedas::initTestCase_data()
{
    AgregaMotores();
}

void TstDB_Dll_Busquedas::init()
{
    REQUIERE_MOTOR();
    base_ = std::make_unique<BaseDePrueba>(true, QDate(2025, 3, 5), MotorActual());
    DB_Dll& db = DB_Dll::Compartido();
    db.setGCnn(nullptr);
    db.gEsAdmin = true;
    db.gCnn().Open(base_->cadenaConexion());
    QString sql = "INSERT INTO ta_usuarios (nombre, Administrador, UNegocio) VALUES ('o''brien', 3, NULL)";
    db.EjecutaConsultaSQL(sql);
}

void TstDB_Dll_Busquedas::cleanup()
{
    DB_Dll::Compartido().setGCnn(nullptr);
}

void TstDB_Dll_Busquedas::datosTabla_data()
{
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QString>("condicion");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("encontrado con blancos") << " ana "
                                            << ""
                                            << "2";
    QTest::newRow("comilla en el valor") << "o'brien"
                                         << ""
                                         << "";
    QTest::newRow("no encontrado") << "nadie"
                                   << ""
                                   << "";
    QTest::newRow("condición añadida con AND") << "ana"
                                               << "Administrador = 1"
                                               << "";
    QTest::newRow("condición de blancos sin AND") << "admin"
                                                  << "   "
                                                  << "1";
}

void TstDB_Dll_Busquedas::datosTabla()
{
    QFETCH(QString, valor);
    QFETCH(QString, condicion);
    QFETCH(QString, esperado);
    DialogosDePrueba dialogos;
    const QVariant v = DB_Dll::Compartido().DatosTabla("ta_usuarios", valor, "UNegocio", "nombre", 8, condicion, true);
    QCOMPARE(v.toString(), esperado);
    QVERIFY(dialogos->registros().isEmpty());
}

void TstDB_Dll_Busquedas::datosTablaFechaDiaPrimero_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("con hora") << "900"
                              << "17/03/2025 18:00:00";
    QTest::newRow("a medianoche") << "901"
                                  << "18/03/2025";
}

void TstDB_Dll_Busquedas::datosTablaFechaDiaPrimero()
{
    QFETCH(QString, id);
    QFETCH(QString, esperado);
    DB_Dll& db = DB_Dll::Compartido();
    QString sql = "INSERT INTO MV_AGENDA (ID, FECHA) VALUES (900, '17/03/2025 18:00'), (901, '18/03/2025')";
    db.EjecutaConsultaSQL(sql);
    QCOMPARE(db.DatosTabla("MV_AGENDA", id, "FECHA", "ID", 3).toString(), esperado);
}

void TstDB_Dll_Busquedas::existe_data()
{
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QVariant>("tipo");
    QTest::addColumn<QString>("condicion");
    QTest::addColumn<bool>("existe");
    QTest::newRow("texto") << "admin" << QVariant(8) << "" << true;
    QTest::newRow("comilla en el texto") << "o'brien" << QVariant(8) << "" << true;
    QTest::newRow("número con letras") << "3abc" << QVariant(3) << "" << true;
    QTest::newRow("letras buscan 0") << "abc" << QVariant(3) << "" << true;
    QTest::newRow("condición reemplaza la prueba") << "x" << QVariant(8) << "nombre = 'ana'" << true;
    QTest::newRow("condición que empieza con WHERE") << "x" << QVariant(8) << "WHERE nombre = 'ana'" << false;
}

void TstDB_Dll_Busquedas::existe()
{
    QFETCH(QString, valor);
    QFETCH(QVariant, tipo);
    QFETCH(QString, condicion);
    QFETCH(bool, existe);
    DialogosDePrueba dialogos;
    dialogos->responde(Msg::Abortar);
    DB_Dll& db = DB_Dll::Compartido();
    const QString campo = tipo.toInt() == 8 ? "nombre" : "Administrador";
    QCOMPARE(db.ExisteEnTabla("ta_usuarios", valor, campo, nullptr, tipo, condicion), existe);
}

// A number with decimals is written with a point: the regional comma would break the statement.
void TstDB_Dll_Busquedas::numeroConDecimales_data()
{
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("entero escrito con decimales") << "1.0"
                                                  << "admin";
    QTest::newRow("fracción sin coincidencia") << "0.5"
                                               << "";
}

void TstDB_Dll_Busquedas::numeroConDecimales()
{
    QFETCH(QString, valor);
    QFETCH(QString, esperado);
    DialogosDePrueba dialogos;
    const QVariant v = DB_Dll::Compartido().DatosTabla("ta_usuarios", valor, "nombre", "Administrador", 5);
    QCOMPARE(v.toString(), esperado);
    QVERIFY(dialogos->registros().isEmpty());
}

void TstDB_Dll_Busquedas::existeDejaAbiertoElRecordset()
{
    ado::Recordset rs;
    QVERIFY(DB_Dll::Compartido().ExisteEnTablaST("ta_usuarios", "ana", "nombre", &rs, 8, {}, true));
    QCOMPARE(rs.State(), int(ado::adStateOpen));
    QCOMPARE(rs.Fields().Item("UNegocio").Value().toString(), "2");
}

void TstDB_Dll_Busquedas::fallaPreguntaAlOperador()
{
    DialogosDePrueba dialogos;
    dialogos->responde(Msg::Ignorar);
    QVERIFY(!DB_Dll::Compartido().ExisteEnTablaST("NO_HAY", "x"));
    QCOMPARE(dialogos->registros().size(), 1);
    QCOMPARE(dialogos->registros().first().titulo, "Aviso al Operador");
    QCOMPARE(dialogos->registros().first().estilo, Msg::AbortarReintentarIgnorar + Msg::Critico);
}

AGENDA_PRUEBA(TstDB_Dll_Busquedas)
#include "tst_db_dll_busquedas.moc"
