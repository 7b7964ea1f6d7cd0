#include "support/BaseDePrueba.h"

#include <QFile>
#include <QProcess>
#include <QTest>

// While the real programs run, their process list entry (/proc/PID/cmdline, what ps shows every
// user of the machine) holds no password, and the line still works, whether it came as an
// argument, on standard input ("-") or in AGENDA_LINEA.
class TstArgumentosPrograma : public QObject {
    Q_OBJECT
private slots:
    void sinClaveEnLaListaDeProcesos_data();
    void sinClaveEnLaListaDeProcesos();
};

namespace {
QByteArray lineaDeOrdenes(qint64 pid)
{
    QFile archivo(QStringLiteral("/proc/%1/cmdline").arg(pid));
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}
} // namespace

void TstArgumentosPrograma::sinClaveEnLaListaDeProcesos_data()
{
    QTest::addColumn<QString>("programa");
    QTest::addColumn<QStringList>("argumentos"); // "BD" stands for the test database's file
    QTest::addColumn<QString>("variable"); // AGENDA_LINEA
    QTest::addColumn<QByteArray>("entrada"); // written before the check
    QTest::addColumn<QByteArray>("clave"); // the password item that must not show
    const QString linea
        = QStringLiteral("@Server=(local);@DbName=BD;@Usuario=admin;@Password=s3cretPw;@Proveedor=SQLite;");
    QTest::newRow("agenda con la línea del programa")
        << "agenda" << QStringList{linea} << "" << QByteArray() << QByteArray("s3cretPw");
    QTest::newRow("agenda-sql con la línea del programa")
        << "agenda-sql" << QStringList{linea} << "" << QByteArray() << QByteArray("s3cretPw");
    QTest::newRow("agenda-sql con una palabra común en Pwd")
        << "agenda-sql" << QStringList{"Provider=SQLite;Database=BD;UId=admin;Pwd=password"} << "" << QByteArray()
        << QByteArray("Pwd=password");
    QTest::newRow("agenda-consulta con Password")
        << "agenda-consulta"
        << QStringList{"Provider=SQLite;Database=BD;Password=s3cretPw", "SELECT CODIGO FROM TA_CCOSTO"} << ""
        << QByteArray() << QByteArray("s3cretPw");
    QTest::newRow("agenda-sql con la línea en la entrada")
        << "agenda-sql" << QStringList{"-"} << "" << (linea + u'\n').toUtf8() << QByteArray("s3cretPw");
    QTest::newRow("agenda-sql con la línea en AGENDA_LINEA")
        << "agenda-sql" << QStringList{"-"} << linea << QByteArray() << QByteArray("s3cretPw");
}

void TstArgumentosPrograma::sinClaveEnLaListaDeProcesos()
{
    QFETCH(QString, programa);
    QFETCH(QStringList, argumentos);
    QFETCH(QString, variable);
    QFETCH(QByteArray, entrada);
    QFETCH(QByteArray, clave);
    const BaseDePrueba base(true);
    const QString ejecutable = QStringLiteral(AGENDA_CARPETA_BINARIOS "/") + programa;
    argumentos.replaceInStrings(QStringLiteral("BD"), base.ruta());
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!variable.isEmpty())
        entorno.insert(QStringLiteral("AGENDA_LINEA"), variable.replace(QStringLiteral("BD"), base.ruta()));
    QProcess proceso;
    proceso.setProcessEnvironment(entorno);
    proceso.start(ejecutable, argumentos);
    QVERIFY(proceso.waitForStarted());
    proceso.write(entrada.replace("BD", base.ruta().toUtf8()));

    // Once the program itself runs (its own path heads the entry), the password must be gone.
    QTRY_VERIFY_WITH_TIMEOUT(lineaDeOrdenes(proceso.processId()).startsWith(QFile::encodeName(ejecutable))
                                 && !lineaDeOrdenes(proceso.processId()).contains(clave),
                             60000);
    QVERIFY(proceso.state() == QProcess::Running);
    if (programa == u"agenda-sql") {
        proceso.write("SELECT COUNT(*) AS N FROM ta_usuarios\n");
        proceso.closeWriteChannel();
        QVERIFY(proceso.waitForFinished(60000));
        QCOMPARE(proceso.readAllStandardError(), QByteArray());
        QCOMPARE(proceso.readAllStandardOutput(), QByteArray("N\n2\n(1 fila)\n"));
    } else {
        proceso.kill();
        proceso.waitForFinished();
    }
}

AGENDA_PRUEBA_SIN_VENTANAS(TstArgumentosPrograma)
#include "tst_argumentosprograma.moc"
