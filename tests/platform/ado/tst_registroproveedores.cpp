#include "platform/ado/Constantes.h"
#include "platform/ado/FalloProveedor.h"
#include "platform/ado/RegistroProveedores.h"

#include <QTest>

using ado::RegistroProveedores;
using Motor = RegistroProveedores::Motor;

Q_DECLARE_METATYPE(RegistroProveedores::Motor)

// The one question asked about a provider name above the providers: which engine it stands for.
class TstRegistroProveedores : public QObject {
    Q_OBJECT
private slots:
    void motor_data();
    void motor();
    void nombreVuelveAlMismoMotor_data();
    void nombreVuelveAlMismoMotor();
    void cerradoRechazaTransacciones_data();
    void cerradoRechazaTransacciones();
};

void TstRegistroProveedores::motor_data()
{
    QTest::addColumn<QString>("proveedor");
    QTest::addColumn<Motor>("esperado");
    QTest::newRow("oracle de la suite") << "OraOLEDB.Oracle.1" << Motor::Oracle;
    QTest::newRow("oracle en cualquier caja y versión") << "msdaora.ORACLE" << Motor::Oracle;
    QTest::newRow("base local en minúsculas") << "sqlite" << Motor::SQLite;
    QTest::newRow("servidor de la oficina") << "PostgreSQL" << Motor::PostgreSQL;
    QTest::newRow("sql server de la suite") << "SQLOLEDB" << Motor::SqlServer;
    QTest::newRow("odbc genérico es el servidor de la suite") << "ODBC" << Motor::SqlServer;
    QTest::newRow("vacío es el servidor de la suite") << "" << Motor::SqlServer;
    QTest::newRow("nombre con texto alrededor no es la base local") << "SQLite3" << Motor::SqlServer;
}

void TstRegistroProveedores::motor()
{
    QFETCH(QString, proveedor);
    QFETCH(Motor, esperado);
    QCOMPARE(RegistroProveedores::motor(proveedor), esperado);
}

void TstRegistroProveedores::nombreVuelveAlMismoMotor_data()
{
    QTest::addColumn<Motor>("motor");
    QTest::newRow("sql server") << Motor::SqlServer;
    QTest::newRow("oracle") << Motor::Oracle;
    QTest::newRow("base local") << Motor::SQLite;
    QTest::newRow("servidor de la oficina") << Motor::PostgreSQL;
}

// The login dialog turns a chosen platform into a provider name; that name must open the same engine.
void TstRegistroProveedores::nombreVuelveAlMismoMotor()
{
    QFETCH(Motor, motor);
    const QString nombre = RegistroProveedores::nombre(motor);
    QCOMPARE(RegistroProveedores::motor(nombre), motor);
    QVERIFY(RegistroProveedores::crea(nombre) != nullptr);
}

void TstRegistroProveedores::cerradoRechazaTransacciones_data()
{
    QTest::addColumn<QString>("proveedor");
    QTest::addColumn<QString>("origen");
    QTest::newRow("base local") << "SQLite"
                                << "SQLite";
    QTest::newRow("servidor de la oficina") << "postgresql"
                                            << "PostgreSQL";
    QTest::newRow("sql server por odbc") << "SQLOLEDB"
                                         << "ODBC";
    QTest::newRow("oracle por odbc") << "OraOLEDB.Oracle.1"
                                     << "ODBC";
    QTest::newRow("odbc genérico") << "ODBC"
                                   << "ODBC";
}

// Every provider the backend folders offer is made under its name, and one that is not open refuses
// each step of a transaction with its own failure; the office server's used to send it to a
// connection it did not have.
void TstRegistroProveedores::cerradoRechazaTransacciones()
{
    QFETCH(QString, proveedor);
    const std::unique_ptr<ado::Proveedor> p = RegistroProveedores::crea(proveedor);
    QVERIFY(p != nullptr);
    using Paso = void (ado::Proveedor::*)();
    for (Paso paso : {&ado::Proveedor::iniciaTransaccion, &ado::Proveedor::confirmaTransaccion,
                      &ado::Proveedor::deshaceTransaccion}) {
        ado::Error error;
        try {
            ((*p).*paso)();
        } catch (const ado::FalloProveedor& fallo) {
            error = fallo.error();
        }
        QCOMPARE(error.Description, QStringLiteral("La base de datos no está abierta."));
        QCOMPARE(error.Number, ado::NumeroError::Fallo);
        QTEST(error.Source, "origen");
    }
}

AGENDA_PRUEBA_SIN_VENTANAS(TstRegistroProveedores)
#include "tst_registroproveedores.moc"
