#include "runtime/Entorno.h"
#include "support/ArchivoInmutable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

class TstEntorno : public QObject {
    Q_OBJECT
private slots:
    void carpetaPrograma();
    void rutasIni_data();
    void rutasIni();
    void rutasFijadas();
    void carpetaArchivo_data();
    void carpetaArchivo();
};

void TstEntorno::carpetaPrograma()
{
    QCOMPARE(Entorno::carpetaPrograma(), QCoreApplication::applicationDirPath());
    Entorno::FijaCarpetaPrograma(QStringLiteral("/opt/agenda"));
    QCOMPARE(Entorno::carpetaPrograma(), QStringLiteral("/opt/agenda"));
    Entorno::FijaCarpetaPrograma({});
    QCOMPARE(Entorno::carpetaPrograma(), QCoreApplication::applicationDirPath());
}

void TstEntorno::rutasIni_data()
{
    QTest::addColumn<QByteArray>("xdg");
    QTest::addColumn<QString>("segunda");
    QTest::addColumn<QString>("datos");
    const QString casa = QDir::homePath();
    QTest::newRow("carpetas XDG puestas") << QByteArray("/etc/xdg-usuario") << "/etc/xdg-usuario/agenda"
                                          << "/etc/xdg-usuario/agenda";
    QTest::newRow("carpetas XDG sin poner")
        << QByteArray() << casa + "/.config/agenda" << casa + "/.local/share/agenda";
    QTest::newRow("carpetas XDG relativas ignoradas")
        << QByteArray("config") << casa + "/.config/agenda" << casa + "/.local/share/agenda";
}

void TstEntorno::rutasIni()
{
    QFETCH(QByteArray, xdg);
    QFETCH(QString, segunda);
    QFETCH(QString, datos);
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        if (xdg.isNull())
            qunsetenv(variable);
        else
            qputenv(variable, xdg);
    }
    Entorno::FijaCarpetaPrograma(QStringLiteral("/opt/agenda"));
    QCOMPARE(Entorno::rutasIni(), (QStringList{QStringLiteral("/opt/agenda"), segunda}));
    QCOMPARE(Entorno::carpetaDatosUsuario(), datos);
    Entorno::FijaCarpetaPrograma({});
}

void TstEntorno::rutasFijadas()
{
    Entorno::FijaRutasIni({QStringLiteral("/a"), QStringLiteral("/b")});
    QCOMPARE(Entorno::rutasIni(), (QStringList{QStringLiteral("/a"), QStringLiteral("/b")}));
    Entorno::FijaRutasIni({});
    QCOMPARE(Entorno::rutasIni().first(), Entorno::carpetaPrograma());
}

// An installed program's folder cannot be written: its own files then go to the user's data folder,
// while a copied build (or a folder that already holds the file) keeps them beside the program.
void TstEntorno::carpetaArchivo_data()
{
    QTest::addColumn<bool>("inmutable");
    QTest::addColumn<bool>("yaEsta");
    QTest::addColumn<bool>("enPrograma");
    QTest::newRow("carpeta del programa escribible") << false << false << true;
    QTest::newRow("carpeta del programa no escribible") << true << false << false;
    QTest::newRow("carpeta no escribible que ya tiene el archivo") << true << true << true;
}

void TstEntorno::carpetaArchivo()
{
    QFETCH(bool, inmutable);
    QFETCH(bool, yaEsta);
    QFETCH(bool, enPrograma);
    QTemporaryDir raiz;
    const QString programa = raiz.filePath(QStringLiteral("programa"));
    const QString datos = raiz.filePath(QStringLiteral("datos/agenda"));
    QVERIFY(QDir().mkpath(programa));
    if (yaEsta)
        QVERIFY(QFile(programa + QStringLiteral("/consultas.kqw")).open(QIODevice::WriteOnly));
    qputenv("XDG_DATA_HOME", raiz.filePath(QStringLiteral("datos")).toLocal8Bit());
    Entorno::FijaCarpetaPrograma(programa);
    std::optional<ArchivoInmutable> bloqueo;
    if (inmutable && !bloqueo.emplace(programa).logrado())
        QSKIP("chattr +i no está disponible en este sistema de archivos");
    QCOMPARE(Entorno::carpetaArchivo(QStringLiteral("consultas.kqw")), enPrograma ? programa : datos);
    QCOMPARE(QFileInfo(datos).isDir(), !enPrograma);
    Entorno::FijaCarpetaPrograma({});
}

AGENDA_PRUEBA_SIN_VENTANAS(TstEntorno)
#include "tst_Entorno.moc"
