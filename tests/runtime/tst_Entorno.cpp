#include "runtime/Entorno.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

class TstEntorno : public QObject {
    Q_OBJECT
private slots:
    void carpetaPrograma();
    void rutasIni_data();
    void rutasIni();
    void rutasFijadas();
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
    QTest::addColumn<QByteArray>("configuracion");
    QTest::addColumn<QString>("segunda");
    QTest::newRow("config folder set") << QByteArray("/etc/xdg-usuario") << "/etc/xdg-usuario/agenda";
    QTest::newRow("config folder unset") << QByteArray() << QDir::homePath() + QStringLiteral("/.config/agenda");
    QTest::newRow("relative config folder ignored")
        << QByteArray("config") << QDir::homePath() + QStringLiteral("/.config/agenda");
}

void TstEntorno::rutasIni()
{
    QFETCH(QByteArray, configuracion);
    QFETCH(QString, segunda);
    if (configuracion.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", configuracion);
    Entorno::FijaCarpetaPrograma(QStringLiteral("/opt/agenda"));
    QCOMPARE(Entorno::rutasIni(), (QStringList{QStringLiteral("/opt/agenda"), segunda}));
    Entorno::FijaCarpetaPrograma({});
}

void TstEntorno::rutasFijadas()
{
    Entorno::FijaRutasIni({QStringLiteral("/a"), QStringLiteral("/b")});
    QCOMPARE(Entorno::rutasIni(), (QStringList{QStringLiteral("/a"), QStringLiteral("/b")}));
    Entorno::FijaRutasIni({});
    QCOMPARE(Entorno::rutasIni().first(), Entorno::carpetaPrograma());
}

QTEST_GUILESS_MAIN(TstEntorno)
#include "tst_Entorno.moc"
