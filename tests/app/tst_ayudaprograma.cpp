#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// --help and --version answer with the usage and the version, exit 0 and touch no file; an argument
// that starts with "-" is never taken as a database's name.
class TstAyudaPrograma : public QObject {
    Q_OBJECT
private slots:
    void respondeSinTocarArchivos_data();
    void respondeSinTocarArchivos();
};

void TstAyudaPrograma::respondeSinTocarArchivos_data()
{
    QTest::addColumn<QString>("programa");
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<int>("estado");
    QTest::addColumn<QString>("salida");
    for (const char* programa : {"agenda", "agenda-sql", "agenda-consulta", "agenda-demo", "agenda-copia"}) {
        QTest::addRow("%s --help", programa) << programa << QStringList{"--help"} << 0 << "Uso: ";
        QTest::addRow("%s --version", programa)
            << programa << QStringList{"--version"} << 0 << QStringLiteral("%1 1.0.0\n").arg(programa);
    }
    QTest::newRow("agenda-demo con una opción desconocida") << "agenda-demo" << QStringList{"--ayuda"} << 2 << "";
    QTest::newRow("agenda-demo con un guion delante") << "agenda-demo" << QStringList{"-base.db"} << 2 << "";
    QTest::newRow("agenda-sql con un guion delante") << "agenda-sql" << QStringList{"-base.db", "SELECT 1"} << 2 << "";
    QTest::newRow("agenda-consulta con un guion delante")
        << "agenda-consulta" << QStringList{"-base.db", "TA_CCOSTO"} << 2 << "";
    QTest::newRow("agenda-copia con un guion delante")
        << "agenda-copia" << QStringList{"-origen.db", "destino.db"} << 2 << "";
}

void TstAyudaPrograma::respondeSinTocarArchivos()
{
    QFETCH(QString, programa);
    QFETCH(QStringList, argumentos);
    QFETCH(int, estado);
    QFETCH(QString, salida);
    QTemporaryDir carpeta;
    QProcess proceso;
    proceso.setWorkingDirectory(carpeta.path());
    proceso.start(QStringLiteral(AGENDA_CARPETA_BINARIOS "/") + programa, argumentos);
    proceso.waitForFinished(60000);
    QCOMPARE(proceso.exitCode(), estado);
    const QString dicho = QString::fromUtf8(proceso.readAllStandardOutput());
    QVERIFY2(salida.isEmpty() ? dicho.isEmpty() : dicho.startsWith(salida), qPrintable(dicho));
    QCOMPARE(QDir(carpeta.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

AGENDA_PRUEBA_SIN_VENTANAS(TstAyudaPrograma)
#include "tst_ayudaprograma.moc"
