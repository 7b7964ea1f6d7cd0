#include "data/DB_Dll.h"
#include "data/frmAcceso.h"
#include "lookup/Lib_ClsCons3.h"
#include "platform/ado/CadenaConexion.h"
#include "runtime/Entorno.h"
#include "runtime/Estacion.h"
#include "runtime/FinDePrograma.h"
#include "startup/ModGlobal.h"
#include "support/ArchivoInmutable.h"
#include "support/BaseDePrueba.h"
#include "support/DialogosGuionados.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Start-up from a parameter line into a real temporary database, with the program folder in a
// temporary folder: what gets connected, what is asked, and the end of the program.
class TstIniciarConexion : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lineaCompletaConectaSinDialogo();
    void servidorPostgresConservaSuPuerto();
    void sinServidorPideDatosYCancelarTermina();
    void servidorOracleArmaLaCadena();
    void catalogoExistenteNoSeReescribe();
    void programaNoEscribibleCatalogoEnDatosDelUsuario();
    void yaConectadaNoReleeLaLinea();

private:
    static void inicia(QString linea, QString& cadena)
    {
        bool usaIni = false;
        ModGlobal::IniciarConexion(usaIni, linea, cadena);
    }
    static void inicia(const QString& linea)
    {
        QString cadena;
        inicia(linea, cadena);
    }

    std::unique_ptr<QTemporaryDir> programa_;
};

void TstIniciarConexion::init()
{
    programa_ = std::make_unique<QTemporaryDir>();
    Entorno::FijaCarpetaPrograma(programa_->path());
    Entorno::FijaRutasIni({programa_->path()});
    Estacion::FijaNombreEquipo("pc07");
    Estacion::FijaNombreUsuario("ana");
}

void TstIniciarConexion::cleanup()
{
    DB_Dll& db = DB_Dll::Compartido();
    db.setGCnn(nullptr);
    db.gOpenFlag = false;
    db.gProveedor.clear();
    db.gEsAdmin = false;
    ModGlobal::gTablaConfiguracion.clear();
    Entorno::FijaCarpetaPrograma({});
    Entorno::FijaRutasIni({});
}

// The office server is reached at host:port; the port must survive the server's clean-up.
void TstIniciarConexion::servidorPostgresConservaSuPuerto()
{
    if (ServidorDePrueba().isEmpty())
        QSKIP("No hay servidor PostgreSQL de prueba");
    DialogosDePrueba dialogos;
    BaseDePrueba base(true, QDate(2025, 3, 5), Motor::PostgreSQL);
    const QString servidor = ado::CadenaConexion(ServidorDePrueba()).valor(QStringLiteral("Server"));
    inicia("@Server=" + servidor + ";@DbName=" + base.ruta() + ";@Usuario=postgres;@Password=;@Proveedor=PostgreSQL;");
    const DB_Dll& db = DB_Dll::Compartido();
    QVERIFY(dialogos->registros().isEmpty());
    QCOMPARE(db.gServidor, servidor);
    QVERIFY(db.gOpenFlag);
    QString aux;
    QCOMPARE(ModGlobal::Cfg(QStringLiteral("MinutosAgenda"), aux), "30");
}

void TstIniciarConexion::lineaCompletaConectaSinDialogo()
{
    DialogosDePrueba dialogos;
    BaseDePrueba base(true);
    inicia("@Server=(local);@DbName=" + base.ruta() + ";@Usuario=ana;@Password=secreto;@Proveedor=SQLite;@Caja=3;");
    const DB_Dll& db = DB_Dll::Compartido();
    QVERIFY(dialogos->registros().isEmpty());
    QCOMPARE(db.gServidor, "(local)");
    QCOMPARE(db.gConnString, "PROVIDER=SQLite;Server=(local);Database =" + base.ruta() + ";UId=ana;Pwd=secreto;");
    QVERIFY(!db.gEsAdmin);
    QCOMPARE(ModGlobal::gUsuarioLogeado, "ana");
    QCOMPARE(ModGlobal::gCaja, "3");
    QCOMPARE(ModGlobal::gSeccionEstacion, "PC07|ANA");
    QCOMPARE(ModGlobal::gFlatToolbars.toDouble(), 1.0);
    QCOMPARE(ModGlobal::ClsCons3().gConnString, db.gConnString);
    QVERIFY(ModGlobal::ClsCons3().gUsarMascarasConsultas);
    QCOMPARE(QFile(programa_->filePath("consultas.kqw")).size(), 9616);
    QVERIFY(ModGlobal::gConfiguracionCargada);
    QCOMPARE(ModGlobal::gUnidadNegocio, "   2");
    QCOMPARE(ModGlobal::gTablaConfiguracion, "ta_configuracion");
}

void TstIniciarConexion::sinServidorPideDatosYCancelarTermina()
{
    auto* ventana = new QMainWindow;
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    ventana->show();
    bool pidioDatos = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<frmAcceso*>(QApplication::activeModalWidget());
        pidioDatos = d != nullptr;
        if (d)
            QTest::mouseClick(d->bcCancelar, Qt::LeftButton);
    });
    bool termino = false;
    try {
        inicia("");
    } catch (const FinDePrograma& fin) {
        termino = fin.codigoSalida == 0;
    }
    QVERIFY(pidioDatos);
    QVERIFY(termino);
    QCOMPARE(ModGlobal::gCaja, "1");
    QVERIFY(!QFile::exists(programa_->filePath("consultas.kqw")));
    for (const QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

void TstIniciarConexion::servidorOracleArmaLaCadena()
{
    DialogosDePrueba dialogos;
    dialogos->responde(Msg::No);
    QString cadena;
    try {
        inicia("@Server=#ORA01;@DbName=PROD;@Usuario=ana;@Password=secreto;", cadena);
        QFAIL("sin proveedor de Oracle aquí el programa debía terminar");
    } catch (const FinDePrograma&) {
    }
    QCOMPARE(cadena, "Provider=OraOLEDB.Oracle.1;Data Source=PROD;User Id=ana;Password=secreto;");
    QCOMPARE(DB_Dll::Compartido().gServidor, "ORA01");
    QCOMPARE(DB_Dll::Compartido().gConnString, cadena);
    QCOMPARE(dialogos->registros().size(), 1);
    QVERIFY(!dialogos->registros().first().texto.contains("secreto"));
}

void TstIniciarConexion::catalogoExistenteNoSeReescribe()
{
    BaseDePrueba base(true);
    QFile vacio(programa_->filePath("consultas.kqw"));
    QVERIFY(vacio.open(QIODevice::WriteOnly));
    vacio.close();
    inicia("@Server=x;@DbName=" + base.ruta() + ";@Usuario=admin;@Password=a;@Proveedor=SQLite;");
    QVERIFY(DB_Dll::Compartido().gEsAdmin);
    QCOMPARE(QFile(programa_->filePath("consultas.kqw")).size(), 0);
}

// An installed program cannot write beside itself: the catalogue goes to the user's data folder.
void TstIniciarConexion::programaNoEscribibleCatalogoEnDatosDelUsuario()
{
    BaseDePrueba base(true);
    QTemporaryDir datos;
    qputenv("XDG_DATA_HOME", datos.path().toLocal8Bit());
    const ArchivoInmutable bloqueo(programa_->path());
    if (!bloqueo.logrado())
        QSKIP("chattr +i no está disponible en este sistema de archivos");
    inicia("@Server=x;@DbName=" + base.ruta() + ";@Usuario=admin;@Password=a;@Proveedor=SQLite;");
    QCOMPARE(QFile(datos.filePath("agenda/consultas.kqw")).size(), 9616);
    QVERIFY(ModGlobal::gConfiguracionCargada);
}

void TstIniciarConexion::yaConectadaNoReleeLaLinea()
{
    BaseDePrueba base(true);
    inicia("@Server=x;@DbName=" + base.ruta() + ";@Usuario=admin;@Password=a;@Proveedor=SQLite;@Menu=uno;");
    inicia("@Server=y;@DbName=otra.db;@Usuario=ana;@Menu=dos;");
    QCOMPARE(DB_Dll::Compartido().gUsuario, "admin");
    QCOMPARE(ModGlobal::gMenu, "uno");
    QCOMPARE(ModGlobal::gCadenaDsn, "DSN=" + base.ruta() + "; UID=admin; PWD=a");
}

AGENDA_PRUEBA(TstIniciarConexion)
#include "tst_iniciarconexion.moc"
