#include "platform/ado/Connection.h"
#include "platform/ado/TipoFallo.h"
#include "platform/ado/odbc/ErroresOdbc.h"
#include "platform/ado/postgresql/ErroresPostgres.h"
#include "runtime/ErrorVB.h"
#include "support/BaseDePrueba.h"
#include "support/VerificaAdo.h"

#include <QSqlError>
#include <QTest>

using ado::TipoFallo;
using ado::postgresql::Enlace;

Q_DECLARE_METATYPE(TipoFallo)
Q_DECLARE_METATYPE(Enlace)

// How each server backend numbers its failures: by the state or native code the server or its
// client library gives, whatever words the message holds. A message that quotes "does not exist"
// used to turn an unreachable server into a missing table, which the program keeps quiet.
class TstErroresServidor : public QObject {
    Q_OBJECT
private slots:
    void estadosPostgres_data();
    void estadosPostgres();
    void codigosOdbc_data();
    void codigosOdbc();
    void servidorInalcanzable_data();
    void servidorInalcanzable();
    void conexionCortadaPorElServidor();
};

void TstErroresServidor::estadosPostgres_data()
{
    QTest::addColumn<QString>("estado");
    QTest::addColumn<Enlace>("enlace");
    QTest::addColumn<TipoFallo>("tipo");
    const auto fila = [](const char* nombre, const char* estado, Enlace enlace, TipoFallo tipo) {
        QTest::newRow(nombre) << QString::fromLatin1(estado) << enlace << tipo;
    };
    fila("tabla que no existe", "42P01", Enlace::Vivo, TipoFallo::NoExisteTabla);
    fila("columna que no existe", "42703", Enlace::Vivo, TipoFallo::ErroresEnComando);
    fila("sin permiso", "42501", Enlace::Vivo, TipoFallo::Fallo);
    fila("clave repetida", "23505", Enlace::Vivo, TipoFallo::ViolacionIntegridad);
    fila("clase 08 con el enlace vivo", "08006", Enlace::Vivo, TipoFallo::ConexionPerdida);
    fila("servidor que se apaga", "57P01", Enlace::Vivo, TipoFallo::ConexionPerdida);
    fila("contraseña rechazada", "28P01", Enlace::Vivo, TipoFallo::Fallo);
    fila("contraseña rechazada con el enlace caído", "28P01", Enlace::Caido, TipoFallo::Fallo);
    fila("sin estado con el enlace caído", "", Enlace::Caido, TipoFallo::ConexionPerdida);
    fila("sin estado y nadie responde", "", Enlace::SinRespuesta, TipoFallo::SinServidor);
    fila("sin estado con el enlace vivo", "", Enlace::Vivo, TipoFallo::Fallo);
    fila("división por cero", "22012", Enlace::Vivo, TipoFallo::Fallo);
}

void TstErroresServidor::estadosPostgres()
{
    QFETCH(QString, estado);
    QFETCH(Enlace, enlace);
    QFETCH(TipoFallo, tipo);
    QCOMPARE(ado::postgresql::TipoDeEstadoPostgres(estado, enlace), tipo);
    // The words of the message never change the kind.
    for (const char* texto : {"relation \"x\" does not exist", "could not connect to server: Connection refused",
                              "server closed the connection unexpectedly"}) {
        const QSqlError error(QStringLiteral("QPSQL: Unable to create query"), QString::fromLatin1(texto),
                              QSqlError::StatementError, estado);
        QCOMPARE(ado::postgresql::ErrorDePostgres(error, enlace).Number, ado::NumeroDeTipo(tipo));
    }
}

void TstErroresServidor::codigosOdbc_data()
{
    QTest::addColumn<QString>("estado");
    QTest::addColumn<QString>("nativo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<TipoFallo>("tipo");
    const auto fila
        = [](const char* nombre, const char* estado, const char* nativo, const char* texto, TipoFallo tipo) {
              QTest::newRow(nombre) << QString::fromLatin1(estado) << QString::fromLatin1(nativo)
                                    << QString::fromLatin1(texto) << tipo;
          };
    fila("freetds sin servidor", "", "20009", "Unable to connect: Adaptive Server is unavailable or does not exist",
         TipoFallo::SinServidor);
    fila("freetds nombre desconocido", "", "20013", "Unknown host machine name.", TipoFallo::SinServidor);
    fila("freetds lectura fallida", "", "20004", "Read from the server failed", TipoFallo::ConexionPerdida);
    fila("sql server objeto no válido", "", "208", "Invalid object name 'x'.", TipoFallo::NoExisteTabla);
    fila("sql server sintaxis", "", "156", "Incorrect syntax near the keyword 'FROM'.", TipoFallo::ErroresEnComando);
    fila("sql server clave repetida", "", "2627", "Violation of PRIMARY KEY constraint",
         TipoFallo::ViolacionIntegridad);
    fila("sql server bloqueo", "", "1222", "Lock request time out period exceeded.", TipoFallo::TiempoAgotado);
    fila("oracle tabla que no existe", "", "942", "ORA-00942: table or view does not exist", TipoFallo::NoExisteTabla);
    fila("oracle sin oyente", "", "12541", "ORA-12541: TNS:no listener", TipoFallo::SinServidor);
    fila("oracle canal cortado", "", "3113", "ORA-03113: end-of-file on communication channel",
         TipoFallo::ConexionPerdida);
    fila("estado de tabla que no existe", "42P01", "1", "ERROR: relation \"x\" does not exist",
         TipoFallo::NoExisteTabla);
    fila("estado de sintaxis", "42601", "1", "ERROR: syntax error at or near \"SELEC\"", TipoFallo::ErroresEnComando);
    fila("estado de conexión", "08S01", "1", "does not exist", TipoFallo::ConexionPerdida);
    fila("estado general y código conocido", "HY000", "208", "", TipoFallo::NoExisteTabla);
    fila("nativo 1 sin estado", "", "1", "relation \"x\" does not exist", TipoFallo::Fallo);
    fila("sin código alguno", "", "", "syntax error", TipoFallo::Fallo);
}

void TstErroresServidor::codigosOdbc()
{
    QFETCH(QString, estado);
    QFETCH(QString, nativo);
    QFETCH(QString, texto);
    QFETCH(TipoFallo, tipo);
    const QSqlError error(QStringLiteral("QODBC: Unable to execute statement"), texto, QSqlError::StatementError,
                          nativo);
    const ado::Error resultado = ado::odbc::ErrorDeOdbc(error, estado);
    QCOMPARE(resultado.Number, ado::NumeroDeTipo(tipo));
    QCOMPARE(resultado.NativeError, nativo.toInt());
}

void TstErroresServidor::servidorInalcanzable_data()
{
    QTest::addColumn<QString>("cadena");
    QTest::newRow("servidor de la oficina")
        << "Provider=PostgreSQL;Server=127.0.0.1:1;Database=agenda;UId=ana;Pwd=secreto";
    QTest::newRow("sql server por odbc") << "Provider=SQLOLEDB;Server=127.0.0.1,1;Database=agenda;UId=ana;Pwd=secreto";
}

void TstErroresServidor::servidorInalcanzable()
{
    // Nothing listens on port 1: a connection failure that says so, in Spanish, and is always shown.
    QFETCH(QString, cadena);
    ado::Connection conexion;
    const ErrorVB e = ErrorDe([&] { conexion.Open(cadena); });
    QCOMPARE(e.numero(), ado::NumeroError::ConexionPerdida);
    QVERIFY2(e.descripcion().startsWith(QLatin1String("No se puede llegar al servidor")), qPrintable(e.descripcion()));
    QVERIFY(!e.descripcion().contains(QLatin1String("secreto")));
    QCOMPARE(conexion.Errors().Item(0).SQLState, QStringLiteral("08001"));
}

void TstErroresServidor::conexionCortadaPorElServidor()
{
    // The server ends the session: the failure is a lost connection, and the next statement reconnects.
    if (ServidorDePrueba().isEmpty())
        QSKIP("No hay servidor PostgreSQL de prueba");
    BaseDePrueba base(false, QDate(2025, 3, 5), Motor::PostgreSQL);
    ado::Connection conexion;
    conexion.Open(base.cadenaConexion());
    ado::Connection otra;
    otra.Open(base.cadenaConexion());
    otra.Execute(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                                "WHERE datname = current_database() AND pid <> pg_backend_pid()"));
    const ErrorVB e = ErrorDe([&] { conexion.Execute(QStringLiteral("SELECT 1")); });
    QCOMPARE(e.numero(), ado::NumeroError::ConexionPerdida);
    conexion.Execute(QStringLiteral("SELECT 1"));
}

AGENDA_PRUEBA_SIN_VENTANAS(TstErroresServidor)
#include "tst_erroresservidor.moc"
