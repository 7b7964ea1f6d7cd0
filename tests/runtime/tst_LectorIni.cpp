#include "runtime/Entorno.h"
#include "runtime/LectorIni.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
void escribe(const QString& ruta, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A station INI file as the suite writes it: Windows-1252 bytes, CRLF line ends.
const QByteArray iniEstacion = "; configuraci\xf3n de puestos\r\n"
                               "[Iconos]\r\n"
                               "IconoDelSistema = AGENDA\r\n"
                               "\r\n"
                               "[PC07|ANA]\r\n"
                               "FlatToolbars=2\r\n"
                               "[PC07|ANABaseDeDatos]\r\n"
                               "Servidor =  tcp/10.1.1.5:1433  \r\n"
                               "DbName=Selecci\xf3n\r\n"
                               "Usuario=\r\n"
                               "   UserPassWord=~~abc\r\n"
                               "Comillas=\"  con blancos  \"\r\n"
                               "Nota=Se\xf1or \x80 \x93"
                               "cita\x94\r\n"
                               "[Secci\xd3N]\r\n"
                               "Clave\xc9=valor acentuado\r\n"
                               "[iconos]\r\n"
                               "IconoDelSistema=SEGUNDA\r\n";
} // namespace

class TstLectorIni : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void leeIni_data();
    void leeIni();
    void archivoAusente();
    void ordenDeBusqueda_data();
    void ordenDeBusqueda();
    void rutaConCarpetaSeUsaTalCual();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

void TstLectorIni::init()
{
    dir = std::make_unique<QTemporaryDir>();
    Entorno::FijaRutasIni({dir->path() + QStringLiteral("/programa"), dir->path() + QStringLiteral("/config")});
}

void TstLectorIni::cleanup()
{
    Entorno::FijaRutasIni({});
    dir.reset();
}

void TstLectorIni::leeIni_data()
{
    QTest::addColumn<QString>("seccion");
    QTest::addColumn<QString>("clave");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("clave simple") << "Iconos"
                                  << "IconoDelSistema"
                                  << "AGENDA";
    QTest::newRow("sección con barra") << "PC07|ANA"
                                       << "FlatToolbars"
                                       << "2";
    QTest::newRow("sección y clave en otra caja") << "pc07|anabasededatos"
                                                  << "SERVIDOR"
                                                  << "tcp/10.1.1.5:1433";
    QTest::newRow("valor recortado") << "PC07|ANABaseDeDatos"
                                     << "Servidor"
                                     << "tcp/10.1.1.5:1433";
    QTest::newRow("valor acentuado") << "PC07|ANABaseDeDatos"
                                     << "DbName" << QStringLiteral("Selección");
    QTest::newRow("valor vacío no es el valor por defecto") << "PC07|ANABaseDeDatos"
                                                            << "Usuario"
                                                            << "";
    QTest::newRow("clave sangrada es una entrada propia") << "PC07|ANABaseDeDatos"
                                                          << "UserPassWord"
                                                          << "~~abc";
    QTest::newRow("comillas quitadas, blancos interiores conservados") << "PC07|ANABaseDeDatos"
                                                                       << "Comillas"
                                                                       << "  con blancos  ";
    QTest::newRow("bytes 80-9F de la página de códigos") << "PC07|ANABaseDeDatos"
                                                         << "Nota" << QStringLiteral("Señor € “cita”");
    QTest::newRow("sección acentuada y clave en otra caja")
        << QStringLiteral("sección") << QStringLiteral("claveé") << "valor acentuado";
    QTest::newRow("sección ausente") << "PC08|LUIS"
                                     << "FlatToolbars"
                                     << "defecto";
    QTest::newRow("clave ausente") << "PC07|ANA"
                                   << "Otra"
                                   << "defecto";
    QTest::newRow("clave de otra sección") << "PC07|ANA"
                                           << "Servidor"
                                           << "defecto";
    QTest::newRow("sección repetida, gana la primera") << "ICONOS"
                                                       << "IconoDelSistema"
                                                       << "AGENDA";
}

void TstLectorIni::leeIni()
{
    QFETCH(QString, seccion);
    QFETCH(QString, clave);
    QFETCH(QString, esperado);
    escribe(dir->path() + QStringLiteral("/programa/CN000pr.INI"), iniEstacion);
    QCOMPARE(LectorIni::LeeIni(QStringLiteral("CN000pr.INI"), seccion, clave, QStringLiteral("defecto")), esperado);
}

void TstLectorIni::archivoAusente()
{
    QCOMPARE(LectorIni::LeeIni(QStringLiteral("CN000pr.INI"), QStringLiteral("Iconos"),
                               QStringLiteral("IconoDelSistema"), QStringLiteral("ICONPELMAR")),
             QStringLiteral("ICONPELMAR"));
    QCOMPARE(LectorIni::Localiza(QStringLiteral("CN000pr.INI")), QString());
}

// Which folder's file is read when several hold one; names differ only in case on purpose.
void TstLectorIni::ordenDeBusqueda_data()
{
    QTest::addColumn<QString>("enPrograma");
    QTest::addColumn<QString>("enConfig");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("primero la carpeta del programa") << "CN000pr.INI"
                                                     << "CN000pr.INI"
                                                     << "programa";
    QTest::newRow("carpeta de configuración cuando la del programa no lo tiene") << ""
                                                                                 << "CN000pr.INI"
                                                                                 << "config";
    QTest::newRow("nombre en otra caja encontrado") << "cn000PR.ini"
                                                    << ""
                                                    << "programa";
    QTest::newRow("otra caja en la carpeta del programa gana a la de configuración") << "CN000PR.INI"
                                                                                     << "CN000pr.INI"
                                                                                     << "programa";
}

void TstLectorIni::ordenDeBusqueda()
{
    QFETCH(QString, enPrograma);
    QFETCH(QString, enConfig);
    QFETCH(QString, esperado);
    if (!enPrograma.isEmpty())
        escribe(dir->path() + QStringLiteral("/programa/") + enPrograma, "[Origen]\nCarpeta=programa\n");
    if (!enConfig.isEmpty())
        escribe(dir->path() + QStringLiteral("/config/") + enConfig, "[Origen]\nCarpeta=config\n");
    QCOMPARE(LectorIni::LeeIni(QStringLiteral("CN000pr.INI"), QStringLiteral("Origen"), QStringLiteral("Carpeta"), {}),
             esperado);
}

void TstLectorIni::rutaConCarpetaSeUsaTalCual()
{
    const QString otra = dir->path() + QStringLiteral("/otra/CN000pr.INI");
    escribe(otra, "[Origen]\nCarpeta=otra\n");
    escribe(dir->path() + QStringLiteral("/programa/CN000pr.INI"), "[Origen]\nCarpeta=programa\n");
    QCOMPARE(LectorIni::LeeIni(otra, QStringLiteral("Origen"), QStringLiteral("Carpeta"), {}), QStringLiteral("otra"));
    // A path with a folder is not looked up by name elsewhere.
    QCOMPARE(LectorIni::LeeIni(dir->path() + QStringLiteral("/falta/CN000pr.INI"), QStringLiteral("Origen"),
                               QStringLiteral("Carpeta"), QStringLiteral("defecto")),
             QStringLiteral("defecto"));
}

AGENDA_PRUEBA_SIN_VENTANAS(TstLectorIni)
#include "tst_LectorIni.moc"
