#include "support/BaseDePrueba.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// The real agenda-consulta: its command line, a connection that cannot be opened, and lookups on
// the demo database driven as a person would, with keys typed on a virtual X display.
class TstAgendaConsulta : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void lineaIncorrecta_data();
    void lineaIncorrecta();
    void consultaConTeclas_data();
    void consultaConTeclas();

private:
    bool iniciaPantalla();
    QProcessEnvironment entorno(bool conPantalla) const;

    std::unique_ptr<BaseDePrueba> base_;
    QTemporaryDir carpeta_;
    QProcess xvfb_;
    QString pantalla_;
};

namespace {

const QString kPrograma = QStringLiteral(AGENDA_CARPETA_BINARIOS "/agenda-consulta");

struct Resultado {
    int salida = -1;
    QString texto;
    QString errores;
};

Resultado ejecuta(const QStringList& argumentos, const QProcessEnvironment& entorno, const QStringList& teclas = {},
                  const QString& pantalla = {})
{
    QProcess programa;
    programa.setProcessEnvironment(entorno);
    programa.start(kPrograma, argumentos);
    if (!programa.waitForStarted())
        return {};
    if (!teclas.isEmpty()) {
        // As a person would: wait for the window, give it the focus, type. "type" takes the rest of
        // its command line as text, so each group of keys is a run of its own.
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert("DISPLAY", pantalla);
        const auto xdotool = [&](const QStringList& orden) {
            QProcess p;
            p.setProcessEnvironment(e);
            p.start("xdotool", orden);
            p.waitForFinished(30000);
        };
        // A moment after it shows, so that the first keys are not typed before it reads them.
        xdotool({"search", "--sync", "--onlyvisible", "--name", "^Consulta\\.\\.\\.$", "windowfocus", "--sync", "sleep",
                 "1"});
        for (const QString& t : teclas)
            xdotool(t.startsWith('+') ? QStringList{"key", "--delay", "50", t.mid(1)}
                                      : QStringList{"type", "--delay", "50", t});
    }
    if (!programa.waitForFinished(60000))
        programa.kill();
    programa.waitForFinished();
    return {programa.exitStatus() == QProcess::NormalExit ? programa.exitCode() : -1,
            QString::fromUtf8(programa.readAllStandardOutput()), QString::fromUtf8(programa.readAllStandardError())};
}

} // namespace

void TstAgendaConsulta::initTestCase()
{
    QVERIFY2(QFile::exists(kPrograma), qPrintable(kPrograma));
    base_ = std::make_unique<BaseDePrueba>(true);
}

void TstAgendaConsulta::cleanupTestCase()
{
    if (xvfb_.state() != QProcess::NotRunning) {
        xvfb_.terminate();
        xvfb_.waitForFinished();
    }
}

QProcessEnvironment TstAgendaConsulta::entorno(bool conPantalla) const
{
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    if (conPantalla)
        e.remove("QT_QPA_PLATFORM");
    else
        e.insert("QT_QPA_PLATFORM", "offscreen");
    e.insert("XDG_RUNTIME_DIR", carpeta_.path());
    e.insert("XDG_CONFIG_HOME", carpeta_.path());
    e.insert("XDG_STATE_HOME", carpeta_.path());
    if (conPantalla)
        e.insert("DISPLAY", pantalla_);
    else
        e.remove("DISPLAY");
    return e;
}

// A virtual X display of the test's own, started once; it does not reset when the last program leaves,
// or the next row's program could find no display meanwhile.
bool TstAgendaConsulta::iniciaPantalla()
{
    if (xvfb_.state() == QProcess::Running)
        return true;
    if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
        return false;
    for (int n = 300 + getpid() % 300; n < 700; ++n) {
        if (QFile::exists(QString("/tmp/.X%1-lock").arg(n)) || QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n)))
            continue;
        pantalla_ = QString(":%1").arg(n);
        xvfb_.start("Xvfb", {pantalla_, "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
        if (!xvfb_.waitForStarted())
            return false;
        for (int i = 0; i < 100 && !QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n)); ++i)
            QTest::qWait(50);
        QTest::qWait(200);
        if (xvfb_.state() == QProcess::Running)
            return true;
    }
    return false;
}

void TstAgendaConsulta::lineaIncorrecta_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("mensaje");
    const QString base = "Provider=SQLite;Database=" + base_->ruta();
    QTest::newRow("sin argumentos") << QStringList{} << "Uso:";
    QTest::newRow("sin tabla") << QStringList{base} << "Uso:";
    QTest::newRow("opción desconocida") << QStringList{base, "VT_CLIENTES", "--nada"} << "Uso:";
    QTest::newRow("opción sin su valor") << QStringList{base, "VT_CLIENTES", "--campo"} << "Uso:";
    QTest::newRow("proveedor desconocido") << QStringList{"Provider=Ninguno;Database=x", "VT_CLIENTES"} << "Ninguno";
    QTest::newRow("línea del programa sin servidor")
        << QStringList{"@DbName=" + base_->ruta() + ";@Usuario=admin;", "VT_CLIENTES"} << "@Server";
}

void TstAgendaConsulta::lineaIncorrecta()
{
    QFETCH(QStringList, argumentos);
    QFETCH(QString, mensaje);
    const Resultado r = ejecuta(argumentos, entorno(false));
    QCOMPARE(r.salida, 2);
    QVERIFY2(r.errores.contains(mensaje), qPrintable(r.errores));
    QVERIFY(r.texto.isEmpty());
}

void TstAgendaConsulta::consultaConTeclas_data()
{
    QTest::addColumn<QStringList>("opciones");
    QTest::addColumn<QStringList>("teclas");
    QTest::addColumn<int>("salida");
    QTest::addColumn<QString>("texto");
    QTest::newRow("centro de costo elegido en el árbol")
        << QStringList{"SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO ORDER BY CODIGO", "--arbol", "--campo", "CODIGO"}
        << QStringList{"Ventas", "+Return"} << 0 << "201\n";
    QTest::newRow("cliente del catálogo elegido en la lista")
        << QStringList{"VT_CLIENTES", "--campo", "CODIGO", "--clave", "Ferr"} << QStringList{"+Return"} << 0
        << "00040\n";
    QTest::newRow("árbol cancelado con Escape")
        << QStringList{"SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO ORDER BY CODIGO", "--arbol", "--campo", "CODIGO"}
        << QStringList{"+Escape"} << 1 << "\n";
}

void TstAgendaConsulta::consultaConTeclas()
{
    QFETCH(QStringList, opciones);
    QFETCH(QStringList, teclas);
    QFETCH(int, salida);
    QFETCH(QString, texto);
    if (!iniciaPantalla())
        QSKIP("Xvfb and xdotool are needed to type into the lookup");
    const Resultado r = ejecuta(QStringList{"Provider=SQLite;Database=" + base_->ruta()} + opciones, entorno(true),
                                teclas, pantalla_);
    QVERIFY2(r.errores.isEmpty(), qPrintable(r.errores));
    QCOMPARE(r.salida, salida);
    QCOMPARE(r.texto, texto);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstAgendaConsulta)
#include "tst_agenda_consulta.moc"
