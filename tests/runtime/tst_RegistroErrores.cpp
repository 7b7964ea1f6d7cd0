#include "runtime/RegistroErrores.h"
#include "support/ModoArchivo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TstRegistroErrores : public QObject {
    Q_OBJECT
private slots:
    void ruta_data();
    void ruta();
    void unaLineaPorInforme();
    void registroNoEscribibleSeOmite();
    void registroPrivado_data();
    void registroPrivado();
};

void TstRegistroErrores::ruta_data()
{
    QTest::addColumn<QByteArray>("estado");
    QTest::addColumn<QString>("esperada");
    QTest::newRow("carpeta de estado puesta") << QByteArray("/var/tmp/estado") << "/var/tmp/estado/agenda/errores.log";
    QTest::newRow("carpeta de estado sin poner")
        << QByteArray() << QDir::homePath() + QStringLiteral("/.local/state/agenda/errores.log");
    QTest::newRow("carpeta de estado relativa ignorada")
        << QByteArray("estado") << QDir::homePath() + QStringLiteral("/.local/state/agenda/errores.log");
}

void TstRegistroErrores::ruta()
{
    QFETCH(QByteArray, estado);
    QFETCH(QString, esperada);
    if (estado.isNull())
        qunsetenv("XDG_STATE_HOME");
    else
        qputenv("XDG_STATE_HOME", estado);
    QCOMPARE(RegistroErrores::ruta(), esperada);
}

// Line breaks, tabs and a missing folder must not break the one-line-per-report layout.
void TstRegistroErrores::unaLineaPorInforme()
{
    QTemporaryDir estado;
    qputenv("XDG_STATE_HOME", (estado.path() + QStringLiteral("/no/existe")).toUtf8());
    const QDateTime momento(QDate(2026, 1, 2), QTime(3, 4, 5));
    RegistroErrores::anota(momento, QStringLiteral("Cfg"), -2147467259, QStringLiteral("línea 1\r\nlínea\t2\rfin"));
    RegistroErrores::anota(momento, QStringLiteral("Cierra\nRecordset"), 91, QStringLiteral("Objeto"));

    QFile log(RegistroErrores::ruta());
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(log.readAll()),
             QStringLiteral("2026-01-02 03:04:05\tCfg\t-2147467259\tlínea 1 línea 2 fin\n"
                            "2026-01-02 03:04:05\tCierra Recordset\t91\tObjeto\n"));
}

void TstRegistroErrores::registroNoEscribibleSeOmite()
{
    QTemporaryDir estado;
    // A plain file where the folder should be: the log cannot be created.
    QFile estorbo(estado.path() + QStringLiteral("/agenda"));
    QVERIFY(estorbo.open(QIODevice::WriteOnly));
    estorbo.close();
    qputenv("XDG_STATE_HOME", estado.path().toUtf8());
    RegistroErrores::anota(QDateTime::currentDateTime(), QStringLiteral("x"), 1, QStringLiteral("y"));
    QVERIFY(!QFile::exists(RegistroErrores::ruta()));
}

// The log holds statements with the office's data: other users of the machine must not read it, also
// when an older version left it, or its folder, open to them.
void TstRegistroErrores::registroPrivado_data()
{
    QTest::addColumn<int>("modoCarpeta"); // 0: the folder does not exist yet
    QTest::addColumn<int>("modoArchivo"); // 0: the log does not exist yet
    QTest::newRow("registro nuevo") << 0 << 0;
    QTest::newRow("carpeta y registro abiertos a todos") << 0755 << 0644;
    QTest::newRow("carpeta abierta, registro nuevo") << 0777 << 0;
}

void TstRegistroErrores::registroPrivado()
{
    QFETCH(int, modoCarpeta);
    QFETCH(int, modoArchivo);
    QTemporaryDir estado;
    qputenv("XDG_STATE_HOME", estado.path().toUtf8());
    const QString carpeta = estado.filePath(QStringLiteral("agenda"));
    if (modoCarpeta) {
        QVERIFY(QDir().mkdir(carpeta));
        QCOMPARE(::chmod(QFile::encodeName(carpeta).constData(), static_cast<mode_t>(modoCarpeta)), 0);
    }
    if (modoArchivo) {
        QFile log(RegistroErrores::ruta());
        QVERIFY(log.open(QIODevice::WriteOnly));
        QCOMPARE(::chmod(QFile::encodeName(log.fileName()).constData(), static_cast<mode_t>(modoArchivo)), 0);
    }
    RegistroErrores::anota(QDateTime::currentDateTime(), QStringLiteral("Abrir"), 1,
                           QStringLiteral("Provider=PostgreSQL;UId=u;Pwd=x"));
    QCOMPARE(ModoArchivo(carpeta), 0700);
    QCOMPARE(ModoArchivo(RegistroErrores::ruta()), 0600);
    QFile log(RegistroErrores::ruta());
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(log.readAll().endsWith("\tProvider=PostgreSQL;UId=u;Pwd=***\n"));
}

AGENDA_PRUEBA_SIN_VENTANAS(TstRegistroErrores)
#include "tst_RegistroErrores.moc"
