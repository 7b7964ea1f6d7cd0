#include "data/DB_Dll.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/Lib_FrmCons3.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "lookup/RegConsulta.h"
#include "platform/ui/TreeView.h"
#include "startup/ModGlobal.h"
#include "support/BaseDePrueba.h"
#include "support/DialogosGuionados.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// The lookup request on the demo database: the statements built from the catalogue and from a
// table's columns, the early end of an unconfigured entry, and the hand-over to the tree dialog.
class TstLibClsCons3 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void creacionLeeLaConfiguracion();
    void sentencia_data();
    void sentencia();
    void consultaSinConfigurarNoDejaResultadoViejo();
    void entregaYRecibeDelArbol();
    void entregaYRecibeDeLaLista();

private:
    enum Catalogo { Estandar, SinArchivo, Vacio, Desactivado };
    void fijaTope(const QString& valor);
    // Runs `accion` on the modal dialog as soon as it shows, so that no test waits on it.
    static std::unique_ptr<QTimer> alMostrarse(std::function<void(QWidget*)> accion);

    std::unique_ptr<BaseDePrueba> base_;
    QString catalogo_;
};

void TstLibClsCons3::initTestCase()
{
    base_ = std::make_unique<BaseDePrueba>(true);
    DB_Dll& db = DB_Dll::Compartido();
    db.setGCnn(nullptr);
    db.gEsAdmin = true;
    db.gCnn().Open(base_->cadenaConexion());
    db.gCnn().Execute("CREATE TABLE MA_PRUEBA (ID INTEGER, CODIGO VARCHAR(5), NOMBRE VARCHAR(20), CUIT VARCHAR(13))");
    db.gCnn().Execute("CREATE TABLE MA_SOLOID (ID INTEGER, FECHAHORA_GRABACION DATETIME)");
    catalogo_ = base_->carpeta() + "/consultas.kqw";
    ModGlobal::ClsCons3().gRutaMascaraConsultas = catalogo_;
    ModGlobal::CargarConsultas();
}

void TstLibClsCons3::cleanupTestCase()
{
    DB_Dll::Compartido().setGCnn(nullptr);
    base_.reset();
}

void TstLibClsCons3::init()
{
    fijaTope(QString());
}

void TstLibClsCons3::fijaTope(const QString& valor)
{
    DB_Dll::Compartido().gCnn().Execute("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'TOPCONSART'");
    if (!valor.isNull())
        DB_Dll::Compartido().gCnn().Execute(
            QString("INSERT INTO TA_CONFIGURACION (Clave, Valor, PoliticaNegocio) VALUES ('TOPCONSART', '%1', 0)")
                .arg(valor));
}

std::unique_ptr<QTimer> TstLibClsCons3::alMostrarse(std::function<void(QWidget*)> accion)
{
    auto temporizador = std::make_unique<QTimer>();
    QObject::connect(temporizador.get(), &QTimer::timeout, [t = temporizador.get(), accion] {
        if (QWidget* dialogo = QApplication::activeModalWidget()) {
            t->stop();
            accion(dialogo);
        }
    });
    temporizador->start(10);
    return temporizador;
}

void TstLibClsCons3::creacionLeeLaConfiguracion()
{
    Lib_ClsCons3 consultas;
    QCOMPARE(consultas.StkNivel1.toString(), "32768");
    QCOMPARE(consultas.StkNivel4.toString(), "8421504");
    QCOMPARE(consultas.MuestraStock, "SI");
    QVERIFY(consultas.Valores && consultas.Valores->isEmpty());
}

void TstLibClsCons3::sentencia_data()
{
    QTest::addColumn<int>("catalogo");
    QTest::addColumn<QString>("tope");
    QTest::addColumn<QString>("pedido");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("esperada");
    QTest::addColumn<QString>("campoDespues");
    QTest::addColumn<QString>("whereDespues");

    const QString clientes
        = "SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES WHERE Dada_De_Baja = 0 ORDER BY RAZON_SOCIAL";
    const QString columnasClientes = "Dada_De_Baja,TELEFONO,LOCALIDAD,DOMICILIO,CUIT,CONTACTO,RAZON_SOCIAL,CODIGO";
    QTest::newRow("clientes del catálogo") << int(Estandar) << QString() << "VT_CLIENTES"
                                           << ""
                                           << "" << clientes << "RAZON_SOCIAL"
                                           << "";
    QTest::newRow("nombre en minúsculas y entre blancos") << int(Estandar) << QString() << " vt_clientes "
                                                          << ""
                                                          << "" << clientes << "RAZON_SOCIAL"
                                                          << "";
    QTest::newRow("artículos por su vista con su filtro")
        << int(Estandar) << QString() << "V_MA_ARTICULOS"
        << ""
        << ""
        << "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS WHERE SUSPENDIDO = 0 ORDER BY DESCRIPCION"
        << "DESCRIPCION"
        << "";
    QTest::newRow("condición del llamador envuelta") << int(Estandar) << QString() << "VT_CLIENTES"
                                                     << "LOCALIDAD = 'Salta'"
                                                     << ""
                                                     << "SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES "
                                                        "WHERE  (LOCALIDAD = 'Salta')  ORDER BY RAZON_SOCIAL"
                                                     << "RAZON_SOCIAL"
                                                     << " (LOCALIDAD = 'Salta') ";
    QTest::newRow("condición ya entre paréntesis")
        << int(Estandar) << QString() << "VT_PROVEEDORES"
        << "(Dada_De_Baja = 1)"
        << "CODIGO"
        << "SELECT TOP 1000 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES WHERE (Dada_De_Baja = 1) ORDER BY CODIGO"
        << "CODIGO"
        << "(Dada_De_Baja = 1)";
    QTest::newRow("condición de un carácter sin envolver")
        << int(Estandar) << QString() << "V_TA_VENDEDORES"
        << "1"
        << ""
        << "SELECT TOP 1000 NOMBRE,IDVENDEDOR FROM V_TA_VENDEDORES WHERE 1 ORDER BY NOMBRE"
        << "NOMBRE"
        << "1";
    QTest::newRow("sentencia completa: artículos por VT_")
        << int(Estandar) << QString() << "select IDARTICULO, DESCRIPCION from v_ma_articulos"
        << "X = 1"
        << ""
        << "select IDARTICULO, DESCRIPCION from VT_MA_ARTICULOS"
        << ""
        << " (X = 1) ";
    QTest::newRow("sentencia completa sin cambios") << int(Estandar) << QString() << "SELECT CODIGO FROM TA_CCOSTO"
                                                    << ""
                                                    << ""
                                                    << "SELECT CODIGO FROM TA_CCOSTO"
                                                    << ""
                                                    << "";
    QTest::newRow("fuera del catálogo: por sus columnas")
        << int(Estandar) << QString() << "MA_PRUEBA"
        << ""
        << "CODIGO"
        << "SELECT TOP 1000 CUIT,NOMBRE,CODIGO FROM MA_PRUEBA ORDER BY NOMBRE"
        << "NOMBRE"
        << "";
    QTest::newRow("tope de TopConsArt")
        << int(Estandar) << "250"
        << "VT_PROVEEDORES"
        << ""
        << ""
        << "SELECT TOP 250 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES WHERE Dada_De_Baja = 0 ORDER BY RAZON_SOCIAL"
        << "RAZON_SOCIAL"
        << "";
    QTest::newRow("TopConsArt negativo cuenta como 0")
        << int(Estandar) << "-5"
        << "MA_PRUEBA"
        << ""
        << ""
        << "SELECT TOP 1000 CUIT,NOMBRE,CODIGO FROM MA_PRUEBA ORDER BY NOMBRE"
        << "NOMBRE"
        << "";
    QTest::newRow("TopConsArt sin número") << int(Estandar) << "todas"
                                           << "MA_PRUEBA"
                                           << ""
                                           << ""
                                           << "SELECT TOP 1000 CUIT,NOMBRE,CODIGO FROM MA_PRUEBA ORDER BY NOMBRE"
                                           << "NOMBRE"
                                           << "";
    QTest::newRow("sin archivo de catálogo: por sus columnas")
        << int(SinArchivo) << QString() << "VT_CLIENTES"
        << ""
        << ""
        << "SELECT TOP 1000 " + columnasClientes + " FROM VT_CLIENTES ORDER BY CODIGO"
        << "CODIGO"
        << "";
    QTest::newRow("catálogo sin registros: por sus columnas")
        << int(Vacio) << QString() << "VT_CLIENTES"
        << ""
        << ""
        << "SELECT TOP 1000 " + columnasClientes + " FROM VT_CLIENTES ORDER BY CODIGO"
        << "CODIGO"
        << "";
    QTest::newRow("catálogo desactivado: por sus columnas")
        << int(Desactivado) << QString() << "VT_CLIENTES"
        << ""
        << ""
        << "SELECT TOP 1000 " + columnasClientes + " FROM VT_CLIENTES ORDER BY CODIGO"
        << "CODIGO"
        << "";
    QTest::newRow("sin columnas utilizables ni ORDER BY vacío") << int(Estandar) << QString() << "MA_SOLOID"
                                                                << ""
                                                                << ""
                                                                << "SELECT TOP 1000  *  FROM MA_SOLOID"
                                                                << ""
                                                                << "";
}

void TstLibClsCons3::sentencia()
{
    QFETCH(int, catalogo);
    QFETCH(QString, tope);
    QFETCH(QString, pedido);
    QFETCH(QString, where);
    QFETCH(QString, campo);
    QFETCH(QString, esperada);
    QFETCH(QString, campoDespues);
    QFETCH(QString, whereDespues);

    fijaTope(tope);
    const QString vacio = base_->carpeta() + "/vacio.kqw";
    QFile(vacio).open(QIODevice::WriteOnly);
    Lib_ClsCons3 consultas;
    consultas.gUsarMascarasConsultas = catalogo != Desactivado;
    consultas.gRutaMascaraConsultas = catalogo == SinArchivo ? base_->carpeta() + "/no-hay.kqw"
        : catalogo == Vacio                                  ? vacio
                                                             : catalogo_;
    ArgumentosConsulta argumentos;
    argumentos.Where = where;
    argumentos.CampoBusqueda = campo;
    QCOMPARE(consultas.Sentencia(pedido, argumentos).value_or("(ninguna)"), esperada);
    QCOMPARE(argumentos.CampoBusqueda, campoDespues);
    QCOMPARE(argumentos.Where, whereDespues);
}

void TstLibClsCons3::consultaSinConfigurarNoDejaResultadoViejo()
{
    const QString ruta = base_->carpeta() + "/una-columna.kqw";
    QFile archivo(ruta);
    QVERIFY(archivo.open(QIODevice::WriteOnly));
    archivo.write(RegConsulta{"PRUEBA", "MA_PRUEBA", "|NOMBRE|", {}}.aBytes());
    archivo.close();

    DialogosDePrueba dialogos;
    Lib_ClsCons3 consultas;
    consultas.gUsarMascarasConsultas = true;
    consultas.gRutaMascaraConsultas = ruta;
    consultas.ValorDevuelto = "de la consulta anterior";
    consultas.Valores->append("de la consulta anterior");
    consultas.Checks = true;
    consultas.CampoDevuelto = "NOMBRE";
    bool mostrado = false;
    const auto vigilante = alMostrarse([&](QWidget* d) {
        mostrado = true;
        d->close();
    });
    consultas.ConsultaSearch("MA_PRUEBA");

    QCOMPARE(dialogos->registros().size(), 1);
    QCOMPARE(dialogos->registros().first().texto, "Debe configurar la consulta para esta tabla");
    QCOMPARE(dialogos->registros().first().titulo, "Aviso al operador");
    QVERIFY(!mostrado);
    QCOMPARE(consultas.ValorDevuelto.toString(), "");
    QVERIFY(!consultas.Valores);
    QVERIFY(!consultas.Checks);
    QVERIFY(consultas.CampoDevuelto.isEmpty());
}

void TstLibClsCons3::entregaYRecibeDelArbol()
{
    Lib_ClsCons3 consultas;
    consultas.CampoDevuelto = "codigo";
    ArgumentosConsulta argumentos;
    argumentos.TreeView = true;
    argumentos.CmpsDevueltos = std::make_shared<QVariantList>(QVariantList{"CODIGO"});
    const Coleccion pasada = argumentos.CmpsDevueltos;
    const QString sql = "SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO ORDER BY CODIGO";
    QString recibida;
    const auto vigilante = alMostrarse([&](QWidget* d) {
        auto* arbol = qobject_cast<Lib_FrmCons3Tree*>(d);
        QVERIFY(arbol);
        recibida = arbol->SQL;
        arbol->TreeV->setSelectedItem(arbol->TreeV->NodoPorClave("A10202"));
        arbol->CmdAceptar->click();
    });
    consultas.ConsultaSearch(sql, argumentos);

    QCOMPARE(recibida, sql);
    QCOMPARE(consultas.ValorDevuelto.toString(), "10202");
    QVERIFY(consultas.Valores && consultas.Valores->isEmpty());
    QVERIFY(!consultas.Checks);
    QVERIFY(consultas.CampoDevuelto.isEmpty());
    QVERIFY(!argumentos.CmpsDevueltos);
    QVERIFY(pasada->isEmpty());
}

void TstLibClsCons3::entregaYRecibeDeLaLista()
{
    Lib_ClsCons3 consultas;
    consultas.gUsarMascarasConsultas = true;
    consultas.gRutaMascaraConsultas = catalogo_;
    consultas.CampoDevuelto = "CODIGO";
    ArgumentosConsulta argumentos;
    argumentos.Clave = "Ferr";
    argumentos.CmpsDevueltos = std::make_shared<QVariantList>(QVariantList{"RAZON_SOCIAL"});
    Lib_FrmCons3* lista = nullptr;
    QString recibida;
    bool ordenar = true;
    bool like = false;
    QVariant nivel1;
    const auto vigilante = alMostrarse([&](QWidget* d) {
        lista = qobject_cast<Lib_FrmCons3*>(d);
        QVERIFY(lista);
        recibida = lista->SQL.trimmed();
        ordenar = lista->OrdenarPorLwv;
        like = lista->CfgUsaConsultaLIKE;
        nivel1 = lista->StkNivel1;
        lista->CmdAceptar().click();
    });
    consultas.ConsultaSearch("VT_CLIENTES", argumentos);

    QCOMPARE(
        recibida,
        "SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES WHERE Dada_De_Baja = 0 ORDER BY RAZON_SOCIAL");
    QVERIFY(!ordenar);
    QVERIFY(like);
    QCOMPARE(nivel1.toString(), "32768");
    QCOMPARE(consultas.ValorDevuelto.toString(), "00040");
    QVERIFY(consultas.Valores);
    QCOMPARE(*consultas.Valores, QVariantList{"Ferretería Belgrano S.R.L."});
    QVERIFY(consultas.Cantidades && consultas.Cantidades->isEmpty());
    QVERIFY(!argumentos.CmpsDevueltos);
    QVERIFY(consultas.CampoDevuelto.isEmpty());
}

AGENDA_PRUEBA(TstLibClsCons3)
#include "tst_lib_clscons3.moc"
