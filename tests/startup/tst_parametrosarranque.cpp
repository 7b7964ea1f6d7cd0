#include "runtime/Entorno.h"
#include "runtime/ErrorVB.h"
#include "runtime/SharedRuntime.h"
#include "startup/ModGlobal.h"
#include "startup/ParametrosArranque.h"
#include "support/VerificaAdo.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The parameter line and the INI default line: which value each key takes, and which keys are
// skipped, from the forms the suite's launchers really write.
class TstParametrosArranque : public QObject {
    Q_OBJECT
private slots:
    void extrae_data();
    void extrae();
    void sinPuntoYComaSeSaltaLaClave();
    void posicionMasAllaDe16BitsDesborda();
    void extraerServidor_data();
    void extraerServidor();
    void lineaDesdeIni_data();
    void lineaDesdeIni();

private:
    SharedRuntime rt_;
};

void TstParametrosArranque::extrae_data()
{
    QTest::addColumn<QString>("linea");
    QTest::addColumn<QString>("clave");
    QTest::addColumn<QString>("esperado");
    const QString lineaDemo
        = "@Server=(local);@DbName=var/agenda-demo.db;@Usuario=admin;@Password=admin;@Proveedor=SQLite;";
    QTest::newRow("servidor de la línea de demostración") << lineaDemo << "@Server"
                                                          << "(local)";
    QTest::newRow("base de la línea de demostración") << lineaDemo << "@DbName"
                                                      << "var/agenda-demo.db";
    QTest::newRow("proveedor tras las demás") << lineaDemo << "@Proveedor"
                                              << "SQLite";
    QTest::newRow("blancos alrededor del igual") << "@usuario =  ana ;"
                                                 << "@Usuario"
                                                 << "ana";
    QTest::newRow("clave en otra caja") << "@SERVER=SRV01;"
                                        << "@Server"
                                        << "SRV01";
    QTest::newRow("usuario dentro de usuariologeado") << "@UsuarioLogeado=pepe;@Usuario=ana;"
                                                      << "@Usuario"
                                                      << "Logeado=pepe";
    QTest::newRow("usuariologeado propio") << "@UsuarioLogeado=pepe;@Usuario=ana;"
                                           << "@UsuarioLogeado"
                                           << "pepe";
    QTest::newRow("igual dentro de la clave") << "@Password=ab=cd;"
                                              << "@Password"
                                              << "ab=cd";
    QTest::newRow("igual dentro de la ruta") << "@DbName=/datos/agenda=2026.db;"
                                             << "@DbName"
                                             << "/datos/agenda=2026.db";
    QTest::newRow("clave que empieza con igual") << "@Password = =x;"
                                                 << "@Password"
                                                 << "=x";
    QTest::newRow("clave ausente") << "@Server=x;"
                                   << "@DbName"
                                   << "";
    QTest::newRow("caja ausente da 1") << "@Server=x;"
                                       << "@Caja"
                                       << "1";
    QTest::newRow("caja vacía") << "@Caja=;"
                                << "@Caja"
                                << "";
    QTest::newRow("adicional al final sin punto y coma") << "@Server=x;@ParametroAdicional=abc"
                                                         << "@ParametroAdicional"
                                                         << "abc";
    QTest::newRow("adicional largo se corta a 18 tras el igual") << "@ParametroAdicional=0123456789abcdefghijkl"
                                                                 << "@ParametroAdicional"
                                                                 << "0123456789abcdefgh";
}

void TstParametrosArranque::extrae()
{
    QFETCH(QString, linea);
    QFETCH(QString, clave);
    QFETCH(QString, esperado);
    QString destino = "previo";
    ParametrosArranque::Extrae(linea, clave, destino, clave == "@Caja" ? "1" : "");
    QCOMPARE(destino, esperado);
}

void TstParametrosArranque::sinPuntoYComaSeSaltaLaClave()
{
    QString destino = "previo";
    const ErrorVB e = ErrorDe([&] { ParametrosArranque::Extrae("@DbName=x;@Server=SRV01", "@Server", destino, {}); });
    QCOMPARE(e.numero(), ErroresVB::LlamadaNoValida);
    QCOMPARE(destino, "previo");
}

void TstParametrosArranque::posicionMasAllaDe16BitsDesborda()
{
    QString destino;
    const QString linea = QString(32767, u' ') + "@Server=x;";
    const ErrorVB e = ErrorDe([&] { ParametrosArranque::Extrae(linea, "@Server", destino, {}); });
    QCOMPARE(e.numero(), ErroresVB::Desbordamiento);
}

void TstParametrosArranque::extraerServidor_data()
{
    QTest::addColumn<QString>("servidor");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("protocolo y puerto") << "tcp/10.1.1.5:1433"
                                        << "10.1.1.5";
    QTest::newRow("solo puerto") << "SRV01:1433"
                                 << "SRV01";
    QTest::newRow("nombre solo") << "SRV01"
                                 << "SRV01";
    QTest::newRow("empieza con dos puntos") << ":1433"
                                            << "";
    QTest::newRow("vacío") << ""
                           << "";
}

void TstParametrosArranque::extraerServidor()
{
    QFETCH(QString, servidor);
    QFETCH(QString, esperado);
    QCOMPARE(ModGlobal::ExtraerServidor(servidor), esperado);
}

void TstParametrosArranque::lineaDesdeIni_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("esperado");
    const SharedRuntime rt;
    const QByteArray usuario = rt.EnvuelveValor("ana").toLatin1();
    const QByteArray clave = rt.EnvuelveValor("s3cr|eto").toLatin1();
    QTest::newRow("sección con barra, valores envueltos")
        << "[PC07|ANABaseDeDatos]\r\nServidor=SRV01\r\nDbName=Gestion\r\nUsuario=" + usuario
            + "\r\nUserPassWord=" + clave + "\r\n"
        << "@server=SRV01; @dbname= Gestion; @usuario= ana; @Password= s3creto; @ParametroAdicional=; @Caja=1;vorn@";
    QTest::newRow("sin sección: valores por defecto")
        << QByteArray("[OTRA]\r\nServidor=X\r\n")
        << "@server=; @dbname= ; @usuario= Pelmar; @Password= tramoly; @ParametroAdicional=; @Caja=1;vorn@";
    QTest::newRow("texto en la página de códigos del sistema")
        << QByteArray("[PC07|ANABaseDeDatos]\r\nDbName=Compa\xf1\xed"
                      "a\r\n")
        << QString::fromUtf8("@server=; @dbname= Compañía; @usuario= Pelmar; @Password= tramoly; "
                             "@ParametroAdicional=; @Caja=1;vorn@");
}

void TstParametrosArranque::lineaDesdeIni()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, esperado);
    QTemporaryDir carpeta;
    QFile archivo(carpeta.filePath("CN000pr.INI"));
    QVERIFY(archivo.open(QIODevice::WriteOnly));
    archivo.write(ini);
    archivo.close();
    Entorno::FijaRutasIni({carpeta.path()});
    QCOMPARE(ParametrosArranque::LineaDesdeIni("PC07|ANABaseDeDatos", rt_), esperado);
    Entorno::FijaRutasIni({});
}

AGENDA_PRUEBA_SIN_VENTANAS(TstParametrosArranque)
#include "tst_parametrosarranque.moc"
