#include "platform/ado/CadenaConexion.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Constantes.h"
#include "platform/ado/Recordset.h"
#include "platform/ado/odbc/ProveedorOdbc.h"
#include "runtime/ErrorVB.h"
#include "support/BaseDePrueba.h"
#include "support/VerificaAdo.h"

#include <QTest>

using ado::CadenaConexion;
using ado::odbc::ProveedorOdbc;
namespace NumeroError = ado::NumeroError;

// The suite's providers through ODBC. No SQL Server or Oracle runs here: the plumbing is proven end
// to end against the test server through its own ODBC driver.
class TstOdbc : public QObject {
    Q_OBJECT
private slots:
    void cadenaOdbc_data();
    void cadenaOdbc();
    void controladorOracleQueFalta();
    void extremoAExtremo_data();
    void extremoAExtremo();
};

void TstOdbc::cadenaOdbc_data()
{
    QTest::addColumn<int>("destino");
    QTest::addColumn<QString>("ado");
    QTest::addColumn<QString>("odbc");
    QTest::newRow("sql server con puerto")
        << int(ProveedorOdbc::Destino::SqlServer)
        << "PROVIDER=SQLOLEDB;Server=srv:1433;Database =gestion;UId=ana;Pwd=x;y;"
        << "SERVER=srv;PORT=1433;DATABASE=gestion;TDS_Version=7.4;ClientCharset=UTF-8;UID=ana;PWD=x";
    QTest::newRow("sql server con coma y clave con llaves")
        << int(ProveedorOdbc::Destino::SqlServer)
        << "Provider=SQLOLEDB;Server=srv,1500;Database=g;User Id=ana;Password=a}b"
        << "SERVER=srv;PORT=1500;DATABASE=g;TDS_Version=7.4;ClientCharset=UTF-8;UID=ana;PWD={a}}b}";
    QTest::newRow("oracle") << int(ProveedorOdbc::Destino::Oracle)
                            << "Provider=OraOLEDB.Oracle.1;Data Source=PROD;User Id=ana;Password=x;"
                            << "DBQ=PROD;UID=ana;PWD=x";
    QTest::newRow("odbc tal cual") << int(ProveedorOdbc::Destino::Generico) << "Provider=ODBC;DSN=agenda;UID=ana"
                                   << "DSN=agenda;UID=ana";
}

void TstOdbc::cadenaOdbc()
{
    QFETCH(int, destino);
    QFETCH(QString, ado);
    QTEST(ProveedorOdbc::CadenaOdbc(ProveedorOdbc::Destino(destino), CadenaConexion(ado)), "odbc");
}

void TstOdbc::controladorOracleQueFalta()
{
    ado::Connection c;
    try {
        c.Open(QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=PROD;User Id=ana;Password=secreto;"));
        QSKIP("Este equipo tiene un controlador ODBC de Oracle");
    } catch (const ErrorVB& e) {
        QCOMPARE(e.numero(), NumeroError::ProveedorNoEncontrado);
        QVERIFY2(e.descripcion().contains(QLatin1String("controlador ODBC de Oracle")), qPrintable(e.descripcion()));
        QVERIFY(!e.descripcion().contains(QLatin1String("secreto")));
    }
}

void TstOdbc::extremoAExtremo_data()
{
    QTest::addColumn<QString>("plantilla");
    QTest::newRow("proveedor de sql server")
        << "Provider=SQLOLEDB;Driver=PostgreSQL Unicode;Server=%1:%2;Database=%3;UId=postgres;Pwd=";
    QTest::newRow("odbc con su controlador")
        << "Provider=ODBC;Driver={PostgreSQL Unicode};Server=%1;Port=%2;Database=%3;Uid=postgres;Pwd=";
}

void TstOdbc::extremoAExtremo()
{
    if (ServidorDePrueba().isEmpty())
        QSKIP("No hay servidor PostgreSQL de prueba");
    QFETCH(QString, plantilla);
    BaseDePrueba base(true, QDate(2025, 3, 5), Motor::PostgreSQL);
    const QString servidor = CadenaConexion(ServidorDePrueba()).valor(QStringLiteral("Server"));
    ado::Connection c;
    c.Open(plantilla.arg(servidor.section(u':', 0, 0), servidor.section(u':', 1), base.ruta()));
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT nombre FROM ta_usuarios ORDER BY nombre"), &c);
    QCOMPARE(rs.RecordCount(), 2);
    QCOMPARE(rs.Fields().Item(0).Value().toString(), "admin");
    rs.Close();
    int32_t afectados = 0;
    c.Execute(QStringLiteral("UPDATE mv_agenda SET mensaje = 'Desde ODBC' WHERE fecha = '2025-03-05 13:00'"),
              &afectados);
    QCOMPARE(afectados, 1);
    const auto tablas = c.OpenSchema(ado::adSchemaTables);
    bool hay = false;
    for (; !tablas->Eof(); tablas->MoveNext())
        hay = hay || tablas->Fields().Item(QStringLiteral("TABLE_NAME")).Value().toString() == u"mv_agenda";
    QVERIFY(hay);
    const ErrorVB sinTabla = ErrorDe([&] { c.Execute(QStringLiteral("SELECT * FROM no_existe")); });
    QVERIFY2(sinTabla.numero() == NumeroError::NoExisteTabla,
             qPrintable(sinTabla.descripcion() + " / " + c.Errors().Item(0).SQLState));
    // A statement the shared base runs (here USE) is numbered by the driver's state as well: the
    // server's refusal is a command error, not a general failure.
    const ErrorVB sinUse = ErrorDe([&] { c.setDefaultDatabase(QStringLiteral("otra")); });
    QVERIFY2(sinUse.numero() == NumeroError::ErroresEnComando,
             qPrintable(sinUse.descripcion() + " / " + c.Errors().Item(0).SQLState));
}

AGENDA_PRUEBA_SIN_VENTANAS(TstOdbc)
#include "tst_odbc.moc"
