#include "platform/ado/CadenaConexion.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "runtime/ErrorVB.h"
#include "support/MotoresDePrueba.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The encrypted link to the office server: with verification required it connects only to the
// server its certificate was issued to, signed by the root certificate given, and says in Spanish
// why it refused. The test cluster's certificate is issued to "localhost" alone.
class TstTls : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void verificacion_data();
    void verificacion();

private:
    QTemporaryDir carpeta_;
    QString puerto_;
};

void TstTls::initTestCase()
{
    if (ServidorDePrueba().isEmpty())
        QSKIP("No hay servidor PostgreSQL de prueba");
    const QString servidor = ado::CadenaConexion(ServidorDePrueba()).valor(QStringLiteral("Server"));
    puerto_ = servidor.section(u':', -1);
    // The cluster's root certificate, at a path a connection option must quote; and one that signed
    // nothing the server holds.
    const QString raiz
        = QFileInfo(qEnvironmentVariable("AGENDA_SERVIDOR_PRUEBA")).dir().filePath(QStringLiteral("raiz.crt"));
    QVERIFY(QFile::copy(raiz, carpeta_.filePath(QStringLiteral("raíz con blanco y 'comilla'.crt"))));
    QCOMPARE(QProcess::execute(QStringLiteral("openssl"),
                               {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj", "/CN=otra",
                                "-keyout", carpeta_.filePath("otra.key"), "-out", carpeta_.filePath("otra.crt")}),
             0);
}

void TstTls::verificacion_data()
{
    QTest::addColumn<QString>("servidor");
    QTest::addColumn<QString>("opciones"); // "@" stands for the test's folder
    QTest::addColumn<QString>("mensaje"); // "" when the connection opens
    QTest::newRow("verificado con el nombre del certificado")
        << "localhost"
        << "SslMode=verify-full;SslRootCert=@/raíz con blanco y 'comilla'.crt"
        << "";
    QTest::newRow("rechazado por otro nombre de servidor")
        << "127.0.0.1"
        << "SslMode=verify-full;SslRootCert=@/raíz con blanco y 'comilla'.crt"
        << "el certificado del servidor es de \"localhost\", no de \"127.0.0.1\"";
    QTest::newRow("rechazado por otra raíz") << "localhost"
                                             << "SslMode=verify-ca;SslRootCert=@/otra.crt"
                                             << "no se pudo verificar el certificado del servidor";
    QTest::newRow("rechazado sin certificado raíz") << "localhost"
                                                    << "SslMode=verify-full;SslRootCert=@/falta.crt"
                                                    << "falta el certificado raíz";
}

void TstTls::verificacion()
{
    QFETCH(QString, servidor);
    QFETCH(QString, opciones);
    QFETCH(QString, mensaje);
    ado::Connection conexion;
    const QString cadena
        = QStringLiteral("Provider=PostgreSQL;Server=%1:%2;Database=postgres;UId=postgres;Pwd=;").arg(servidor, puerto_)
        + opciones.replace(u'@', carpeta_.path());
    try {
        conexion.Open(cadena);
    } catch (const ErrorVB& e) {
        QVERIFY2(!mensaje.isEmpty(), qPrintable(e.descripcion()));
        QVERIFY2(e.descripcion().contains(mensaje), qPrintable(e.descripcion()));
        return;
    }
    QVERIFY2(mensaje.isEmpty(), "la conexión debía rechazarse");
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()"), &conexion);
    QCOMPARE(rs.Fields().Item(0).Value().toBool(), true);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstTls)
#include "tst_tls.moc"
