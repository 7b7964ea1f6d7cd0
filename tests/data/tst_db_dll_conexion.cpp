#include "data/DB_Dll.h"
#include "data/DialogoAcceso.h"
#include "data/frmAcceso.h"
#include "runtime/RegistroErrores.h"
#include "support/BaseDePrueba.h"
#include "support/DialogosGuionados.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Acts on the login dialog once it is shown modally, so that no test blocks on it.
void alMostrarseElAcceso(std::function<void(frmAcceso&)> accion)
{
    QTimer::singleShot(0, [accion] {
        auto* dialogo = qobject_cast<frmAcceso*>(QApplication::activeModalWidget());
        QVERIFY(dialogo);
        accion(*dialogo);
    });
}

void rellena(frmAcceso& d, const QString& base, int plataforma)
{
    d.TxtDbName->setText(base);
    d.CboPlataformaDB->setCurrentIndex(plataforma);
    QTest::keyClick(d.TxtUserId, Qt::Key_Return);
}

} // namespace

// Opening the connection: the connection strings, the retry loop with its message and the login
// dialog, and the administrator check, on a real temporary database.
class TstDB_Dll_Conexion : public QObject {
    Q_OBJECT
private slots:
    void cadenaDeConexion_data();
    void cadenaDeConexion();
    void cadenaDadaSeUsaTalCual();
    void administrador_data();
    void administrador();
    void reintentoPideLosDatosYConecta();
    void reintentoMuestraLaPlataformaElegida_data();
    void reintentoMuestraLaPlataformaElegida();
    void cancelarElAccesoNoConecta_data();
    void cancelarElAccesoNoConecta();
    void noReintentarDejaSinConexion();
};

void TstDB_Dll_Conexion::cadenaDeConexion_data()
{
    QTest::addColumn<QString>("proveedor");
    QTest::addColumn<QString>("esperada");
    QTest::newRow("proveedor vacío es SQLOLEDB")
        << ""
        << "PROVIDER=SQLOLEDB;Server=SRV01;Database =Gestion;UId=ana;Pwd=clave;;Trusted=no";
    QTest::newRow("oracle en cualquier caja")
        << "oraoledb.ORACLE.1"
        << "Provider=OraOLEDB.Oracle.1;Data Source=Gestion;User Id=ana;Password=clave;";
}

void TstDB_Dll_Conexion::cadenaDeConexion()
{
    QFETCH(QString, proveedor);
    QFETCH(QString, esperada);
    DialogosDePrueba dialogos;
    dialogos->responde(Msg::No);
    DB_Dll db;
    db.gProveedor = proveedor;
    db.gServidor = "SRV01";
    db.gDbName = "Gestion";
    db.gUsuario = "ana";
    db.gUserPassWord = "clave";
    db.gExtended = ";Trusted=no";
    db.OpenServerADODB(false, 3, {}, true);
    QCOMPARE(db.gConnString, esperada);
    // No such server here (or no driver for it): the five-part question, answered No.
    QVERIFY(!db.gOpenFlag);
    QCOMPARE(dialogos->registros().size(), 1);
    const auto& r = dialogos->registros().first();
    QCOMPARE(r.titulo, " Error de Conexion a Base de Datos");
    QCOMPARE(r.estilo, Msg::SiNo + Msg::Critico);
    QVERIFY(r.texto.startsWith(" Estado de Sql: "));
    QVERIFY(r.texto.contains("\rCodigo Nativo: "));
    QVERIFY(r.texto.endsWith("\r - Desea Intentarlo Nuevamente??? "));
    QVERIFY(!r.texto.contains("clave"));
}

void TstDB_Dll_Conexion::cadenaDadaSeUsaTalCual()
{
    BaseDePrueba base(true);
    DB_Dll db;
    db.OpenServerADODB(false, 3, base.cadenaConexion(), false);
    QCOMPARE(db.gConnString, base.cadenaConexion());
    QCOMPARE(db.gCnn().State(), int(ado::adStateOpen));
    QCOMPARE(db.gCnn().CursorLocation(), 3);
    QVERIFY(db.gEsAdmin); // not checked: an administrator without any query
}

void TstDB_Dll_Conexion::administrador_data()
{
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<bool>("esAdmin");
    QTest::newRow("administrador 1") << "admin" << true;
    QTest::newRow("administrador con blancos") << "  admin " << true;
    QTest::newRow("administrador 0") << "ana" << false;
    QTest::newRow("usuario inexistente") << "nadie" << false;
    QTest::newRow("comilla en el nombre") << "o'brien" << false;
}

void TstDB_Dll_Conexion::administrador()
{
    QFETCH(QString, usuario);
    QFETCH(bool, esAdmin);
    DialogosDePrueba dialogos;
    BaseDePrueba base(true);
    DB_Dll db;
    db.gProveedor = "SQLite";
    db.gDbName = base.ruta();
    db.gUsuario = usuario;
    db.gUserPassWord = "secreto";
    db.OpenServerADODB(false, 3, {}, true);
    QCOMPARE(db.gCnn().State(), int(ado::adStateOpen));
    QCOMPARE(db.gEsAdmin, esAdmin);
    QVERIFY(dialogos->registros().isEmpty());
}

void TstDB_Dll_Conexion::reintentoPideLosDatosYConecta()
{
    DialogosDePrueba dialogos;
    dialogos->responde(Msg::Si);
    BaseDePrueba base(true);
    DB_Dll db;
    db.gProveedor = "SQLite";
    db.gDbName = base.carpeta() + "/no-existe.db";
    db.gUsuario = "admin";
    db.gUserPassWord = "secreto";
    QString vistoEnDialogo;
    alMostrarseElAcceso([&](frmAcceso& d) {
        vistoEnDialogo = d.TxtUserId->text() + '|' + d.TxtUserPassword->text() + '|' + d.CboPlataformaDB->currentText();
        rellena(d, base.ruta(), frmAcceso::SQLiteLocal);
    });
    db.OpenServerADODB(false, 3, {}, true);
    QCOMPARE(vistoEnDialogo, "admin|secreto|SQLite (base local)");
    QVERIFY(db.gOpenFlag);
    QCOMPARE(db.gCnn().State(), int(ado::adStateOpen));
    QCOMPARE(db.gDbName, base.ruta());
    QVERIFY(db.gEsAdmin);
    QCOMPARE(dialogos->registros().size(), 1);
    QVERIFY(!dialogos->registros().first().texto.contains("secreto"));
}

void TstDB_Dll_Conexion::reintentoMuestraLaPlataformaElegida_data()
{
    QTest::addColumn<QString>("proveedor");
    QTest::addColumn<QString>("mostrada");
    QTest::newRow("base local") << "SQLite"
                                << "SQLite (base local)";
    QTest::newRow("servidor de la oficina") << "PostgreSQL"
                                            << "PostgreSQL";
    QTest::newRow("oracle") << "OraOLEDB.Oracle.1"
                            << "ORACLE";
    QTest::newRow("sql server") << "SQLOLEDB"
                                << "SQL Server";
}

void TstDB_Dll_Conexion::reintentoMuestraLaPlataformaElegida()
{
    // The dialog shown again after a failure showed "SQL Server" while the retry used the provider
    // chosen before; and the failure left no trace for support.
    QFETCH(QString, proveedor);
    QFETCH(QString, mostrada);
    DialogosDePrueba dialogos;
    dialogos->responde(Msg::Si);
    QTemporaryDir carpeta;
    DB_Dll db;
    db.gProveedor = proveedor;
    db.gServidor = "127.0.0.1:1";
    db.gDbName = carpeta.path() + "/no-existe.db";
    QString vista;
    alMostrarseElAcceso([&](frmAcceso& d) {
        vista = d.CboPlataformaDB->currentText();
        QTest::keyClick(d.TxtUserId, Qt::Key_Escape);
    });
    QFile registro(RegistroErrores::ruta());
    const qint64 antes = registro.exists() ? registro.size() : 0;
    db.OpenServerADODB(false, 3, {}, true);
    QCOMPARE(vista, mostrada);
    QCOMPARE(db.gProveedor, proveedor);
    QVERIFY(!db.gOpenFlag);
    QVERIFY(registro.open(QIODevice::ReadOnly));
    registro.seek(antes);
    QVERIFY(QString::fromUtf8(registro.readAll()).contains("\tOpenServerADODB\t"));
}

void TstDB_Dll_Conexion::cancelarElAccesoNoConecta_data()
{
    QTest::addColumn<bool>("conVentanas");
    QTest::newRow("escape en el diálogo") << true;
    // A program without windows has nobody to ask: no dialog may be built there.
    QTest::newRow("programa sin ventanas") << false;
}

void TstDB_Dll_Conexion::cancelarElAccesoNoConecta()
{
    QFETCH(bool, conVentanas);
    DB_Dll db;
    db.gProveedor = "SQLite";
    std::unique_ptr<DialogoAcceso> real;
    if (conVentanas)
        alMostrarseElAcceso([](frmAcceso& d) { QTest::keyClick(d.TxtUserId, Qt::Key_Escape); });
    else
        real = DialogoAcceso::instala(nullptr);
    db.OpenServerADODB(true, 3, {}, true);
    if (real)
        DialogoAcceso::instala(std::move(real));
    QVERIFY(!db.gOpenFlag);
    QCOMPARE(db.gCnn().State(), int(ado::adStateClosed));
    QVERIFY(db.gConnString.startsWith("PROVIDER=SQLite;"));
}

void TstDB_Dll_Conexion::noReintentarDejaSinConexion()
{
    DialogosDePrueba dialogos;
    dialogos->responde(Msg::No);
    DB_Dll db;
    db.gProveedor = "SQLite";
    db.gDbName = "/no/existe.db";
    db.OpenServerADODB(false, 3, {}, true);
    QVERIFY(!db.gOpenFlag);
    QCOMPARE(db.gCnn().State(), int(ado::adStateClosed));
}

AGENDA_PRUEBA(TstDB_Dll_Conexion)
#include "tst_db_dll_conexion.moc"
