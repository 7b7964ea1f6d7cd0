#include "data/DB_Dll.h"
#include "runtime/ErrorVB.h"
#include "startup/ModGlobal.h"
#include "support/BaseDePrueba.h"
#include "support/DialogosGuionados.h"
#include "support/VerificaAdo.h"

#include <QTest>

// The configuration store and the suite's settings on a real temporary database: what a missing,
// empty or odd value reads as, and the flag rules.
class TstConfiguracion : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data();
    void init();
    void cleanup();
    void cfgLee_data();
    void cfgLee();
    void cfgFallidaDaVacio_data();
    void cfgFallidaDaVacio();
    void grabaDfgCreaYSobrescribe();
    void tablaVaciaDaLosValoresPorDefecto();
    void reglasDeLosIndicadores_data();
    void reglasDeLosIndicadores();
    void unidadDeNegocio_data();
    void unidadDeNegocio();
    void periodoFueraDe16BitsDesborda();

private:
    std::unique_ptr<BaseDePrueba> base_;
};

void TstConfiguracion::initTestCase_data()
{
    AgregaMotores();
}

void TstConfiguracion::init()
{
    REQUIERE_MOTOR();
    base_ = std::make_unique<BaseDePrueba>(true, QDate(2025, 3, 5), MotorActual());
    DB_Dll& db = DB_Dll::Compartido();
    db.setGCnn(nullptr);
    db.gEsAdmin = true;
    db.gCnn().Open(base_->cadenaConexion());
    ModGlobal::gTablaConfiguracion.clear();
    ModGlobal::gUsuarioLogeado = "admin";
}

void TstConfiguracion::cleanup()
{
    DB_Dll::Compartido().setGCnn(nullptr);
    base_.reset();
}

void TstConfiguracion::cfgLee_data()
{
    QTest::addColumn<QString>("clave");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QString>("aux");
    QTest::newRow("clave existente") << "MinutosAgenda"
                                     << "30"
                                     << "";
    QTest::newRow("clave con blancos alrededor") << "  MINUTOSAGENDA "
                                                 << "30"
                                                 << "";
    QTest::newRow("clave sin fila da un blanco") << "NOEXISTE"
                                                 << " "
                                                 << "";
    QTest::newRow("valor nulo da vacío") << "NULO"
                                         << ""
                                         << "aux";
    QTest::newRow("comilla en la clave") << "O'BRIEN"
                                         << "irlanda"
                                         << "";
    QTest::newRow("clave de fecha en minúsculas") << " [fecha desde] "
                                                  << "01/01/2025"
                                                  << "";
}

void TstConfiguracion::cfgLee()
{
    QFETCH(QString, clave);
    QFETCH(QString, valor);
    QFETCH(QString, aux);
    DialogosDePrueba dialogos;
    QString sql = "INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor, ValorAux) VALUES ('X', 'NULO', NULL, 'aux'), "
                  "('X', 'O''BRIEN', 'irlanda', NULL), ('X', '[FECHA DESDE]', '01/01/2025', NULL)";
    DB_Dll::Compartido().EjecutaConsultaSQL(sql);
    QString leido = "previo";
    QCOMPARE(ModGlobal::Cfg(clave, leido), valor);
    QCOMPARE(leido, aux);
    QCOMPARE(ModGlobal::gTablaConfiguracion, "TA_CONFIGURACION");
    QVERIFY(dialogos->registros().isEmpty());
}

void TstConfiguracion::cfgFallidaDaVacio_data()
{
    QTest::addColumn<int>("respuesta");
    QTest::addColumn<QString>("valor");
    QTest::newRow("salir da vacío") << 0 << "";
    QTest::newRow("repetir también da vacío") << 4 << "";
    QTest::newRow("continuar sigue hasta el final") << 5 << " ";
}

void TstConfiguracion::cfgFallidaDaVacio()
{
    QFETCH(int, respuesta);
    QFETCH(QString, valor);
    DialogosDePrueba dialogos;
    dialogos->responde(0); // AbrirRecordset's own report
    dialogos->responde(respuesta);
    ModGlobal::gTablaConfiguracion = "NO_HAY_TABLA";
    QString aux = "previo";
    QCOMPARE(ModGlobal::Cfg("MINUTOSAGENDA", aux), valor);
    QCOMPARE(dialogos->registros().at(1).contexto, "Cfg");
}

void TstConfiguracion::grabaDfgCreaYSobrescribe()
{
    DialogosDePrueba dialogos;
    ModGlobal::gTablaConfiguracion = "TA_CONFIGURACION";
    ModGlobal::GrabaDfg(" o'brien ", " uno ", "extra", true, "DATOS");
    QString aux;
    QCOMPARE(ModGlobal::Cfg("O'BRIEN", aux), "uno");
    QCOMPARE(aux, "extra");
    ModGlobal::GrabaDfg("O'BRIEN", 2, "", false, "OTRO");
    QCOMPARE(ModGlobal::Cfg("O'BRIEN", aux), "2");
    QCOMPARE(aux, "extra"); // an empty auxiliary value keeps the stored one
    QVERIFY(dialogos->registros().isEmpty());

    ModGlobal::gTablaConfiguracion.clear();
    ModGlobal::GrabaDfg("X", "y", "", false, "DATOS");
    QVERIFY(!dialogos->registros().isEmpty());
    QCOMPARE(dialogos->registros().last().contexto, "GrabaDfg");
}

void TstConfiguracion::tablaVaciaDaLosValoresPorDefecto()
{
    QString sql = "DELETE FROM TA_CONFIGURACION";
    DB_Dll::Compartido().EjecutaConsultaSQL(sql);
    ModGlobal::CargarConfiguracion("/opt/agenda/");
    QVERIFY(!ModGlobal::gMostrarStockEnConsultas);
    QVERIFY(!ModGlobal::gValidaCodigoBarra);
    QVERIFY(!ModGlobal::gMaderera);
    QVERIFY(ModGlobal::gModuloOrdenDeTrabajo);
    QCOMPARE(ModGlobal::gTituloClientes, "");
    QCOMPARE(ModGlobal::gCantidadDecimales, " ");
    QCOMPARE(ModGlobal::gPeriodo, int16_t(0));
    QCOMPARE(ModGlobal::gColorFondo, 16776960);
    QCOMPARE(ModGlobal::gColorLetra, 0);
    QCOMPARE(ModGlobal::gMaxDto, Moneda());
    QCOMPARE(ModGlobal::gRutaDocTareas, "/opt/agenda/KQDOCTareas.kqw");
    QVERIFY(ModGlobal::gConfiguracionCargada);
}

void TstConfiguracion::reglasDeLosIndicadores_data()
{
    QTest::addColumn<QString>("clave");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QString>("resultado");
    QTest::newRow("si en minúsculas") << "USACCOSTO"
                                      << "si"
                                      << "true";
    QTest::newRow("si con blanco delante no vale") << "USACCOSTO"
                                                   << " SI"
                                                   << "false";
    QTest::newRow("codigo de barras recorta") << "VALIDACODIGOBARRA"
                                              << " SI"
                                              << "true";
    QTest::newRow("no en minúsculas") << "V_ModificaCPrecio"
                                      << "no"
                                      << "false";
    QTest::newRow("vacío no está puesto") << "V_ModificaCPrecio"
                                          << ""
                                          << "false";
    QTest::newRow("cualquier otro texto") << "V_ModificaCPrecio"
                                          << "tal vez"
                                          << "true";
    QTest::newRow("orden de trabajo con NO") << "ModuloOrdenDeTrabajo"
                                             << "NO"
                                             << "false";
    QTest::newRow("periodo 2.5 al par") << "PERIODO"
                                        << "2.5"
                                        << "2";
    QTest::newRow("periodo 3.5 al par") << "PERIODO"
                                        << "3.5"
                                        << "4";
    QTest::newRow("periodo con palabras") << "PERIODO"
                                          << "12 meses"
                                          << "12";
    QTest::newRow("fondo 0 es el de siempre") << "CFondo"
                                              << "0"
                                              << "16776960";
    QTest::newRow("fondo configurado") << "CFondo"
                                       << "255"
                                       << "255";
    QTest::newRow("descuento máximo") << "MaxDto"
                                      << " 12.5 "
                                      << "12,5";
}

void TstConfiguracion::reglasDeLosIndicadores()
{
    QFETCH(QString, clave);
    QFETCH(QString, valor);
    QFETCH(QString, resultado);
    // Stored as typed: GrabaDfg would trim the value.
    QString sql
        = "INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('DATOS', '" + clave + "', '" + valor + "')";
    DB_Dll::Compartido().EjecutaConsultaSQL(sql);
    ModGlobal::CargarConfiguracion("/");
    const QMap<QString, QString> leidos{
        {"USACCOSTO", ModGlobal::gUsaCCosto ? "true" : "false"},
        {"VALIDACODIGOBARRA", ModGlobal::gValidaCodigoBarra ? "true" : "false"},
        {"V_MODIFICACPRECIO", ModGlobal::gVModificaCPrecio ? "true" : "false"},
        {"MODULOORDENDETRABAJO", ModGlobal::gModuloOrdenDeTrabajo ? "true" : "false"},
        {"PERIODO", QString::number(ModGlobal::gPeriodo)},
        {"CFONDO", QString::number(ModGlobal::gColorFondo)},
        {"MAXDTO", ModGlobal::gMaxDto.aTexto()},
    };
    QCOMPARE(leidos.value(clave.toUpper()), resultado);
}

void TstConfiguracion::unidadDeNegocio_data()
{
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("unidad");
    QTest::newRow("administrador") << "admin"
                                   << "   1";
    QTest::newRow("otra unidad") << "ana"
                                 << "   2";
    QTest::newRow("usuario inexistente") << "nadie"
                                         << "   1";
    QTest::newRow("comilla en el usuario") << "o'brien"
                                           << "   1";
}

void TstConfiguracion::unidadDeNegocio()
{
    QFETCH(QString, usuario);
    QFETCH(QString, unidad);
    DialogosDePrueba dialogos;
    ModGlobal::gUsuarioLogeado = usuario;
    ModGlobal::CargarConfiguracion("/");
    QCOMPARE(ModGlobal::gUnidadNegocio, unidad);
    QVERIFY(dialogos->registros().isEmpty());
}

void TstConfiguracion::periodoFueraDe16BitsDesborda()
{
    ModGlobal::gTablaConfiguracion = "TA_CONFIGURACION";
    ModGlobal::GrabaDfg("PERIODO", "40000", "", false, "DATOS");
    ModGlobal::gValidaCodigoBarra = true;
    const ErrorVB e = ErrorDe([&] { ModGlobal::CargarConfiguracion("/"); });
    QCOMPARE(e.numero(), ErroresVB::Desbordamiento);
    QVERIFY(ModGlobal::gValidaCodigoBarra); // the reads after PERIODO were abandoned
}

AGENDA_PRUEBA(TstConfiguracion)
#include "tst_configuracion.moc"
