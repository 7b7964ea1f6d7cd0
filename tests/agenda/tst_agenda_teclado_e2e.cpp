#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "support/BaseDePrueba.h"

#include <QDate>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// The real program in a real X server, typed at with xdotool. X delivers keys as a person's
// keyboard does (Delete carries the text "\x7f", Ctrl+B the text "\x02"), which the offscreen
// platform of the other tests does not. The program is stopped while the keys are sent, so that all
// of them are waiting when it goes on: every key after a closing key arrives while the note is
// being saved, however fast the save is. Skipped when Xvfb or xdotool is missing or no X server
// can be started.
class TstAgendaTecladoE2E : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void teclas_data();
    void teclas();

private:
    [[nodiscard]] QProcessEnvironment entornoX(const QString& carpeta) const;
    [[nodiscard]] int xdotool(const QStringList& argumentos) const;
    QProcess servidorX_;
    QString pantalla_;
};

namespace {

const QString NotaInicial = QStringLiteral("nota");

QString hoyDiaPrimero()
{
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
}

// Today's notes from the first slot whose note is no longer the initial one to the last such slot.
QStringList notasCambiadas(const QString& cadenaConexion)
{
    ado::Connection conexion;
    conexion.Open(cadenaConexion);
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT Mensaje FROM MV_AGENDA WHERE FECHA BETWEEN '%1' AND '%1 23:59' ORDER BY FECHA")
                .arg(hoyDiaPrimero()),
            &conexion);
    QStringList notas;
    for (; !rs.Eof(); rs.MoveNext())
        notas << rs.Fields().Item(0).Value().toString();
    while (!notas.isEmpty() && notas.first() == NotaInicial)
        notas.removeFirst();
    while (!notas.isEmpty() && notas.last() == NotaInicial)
        notas.removeLast();
    return notas;
}

} // namespace

void TstAgendaTecladoE2E::initTestCase()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("Xvfb or xdotool is not installed");
    // Xvfb picks a free display itself and writes its number to standard output. It does not reset when
    // one row's program and xdotool have left: the next row's program would find no display meanwhile.
    servidorX_.start(xvfb,
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                      QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                      QStringLiteral("-noreset")});
    if (!servidorX_.waitForStarted() || !servidorX_.waitForReadyRead(30000))
        QSKIP("no X server could be started");
    pantalla_ = QLatin1Char(':') + QString::fromLatin1(servidorX_.readAllStandardOutput()).trimmed();
}

void TstAgendaTecladoE2E::cleanupTestCase()
{
    if (servidorX_.state() == QProcess::NotRunning)
        return;
    servidorX_.terminate();
    servidorX_.waitForFinished();
}

QProcessEnvironment TstAgendaTecladoE2E::entornoX(const QString& carpeta) const
{
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert(QStringLiteral("DISPLAY"), pantalla_);
    variables.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    variables.insert(QStringLiteral("XDG_RUNTIME_DIR"), carpeta);
    variables.insert(QStringLiteral("XDG_CONFIG_HOME"), carpeta);
    variables.insert(QStringLiteral("XDG_STATE_HOME"), carpeta);
    return variables;
}

int TstAgendaTecladoE2E::xdotool(const QStringList& argumentos) const
{
    QProcess proceso;
    proceso.setProcessEnvironment(entornoX(QString()));
    proceso.start(QStringLiteral("xdotool"), argumentos);
    if (!proceso.waitForFinished(30000))
        return -1;
    return proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1;
}

void TstAgendaTecladoE2E::teclas_data()
{
    QTest::addColumn<QList<QStringList>>("pulsaciones");
    QTest::addColumn<QStringList>("notas");

    const QStringList intro{QStringLiteral("key"), QStringLiteral("Return")};
    const auto escribe = [](const char* texto) {
        return QStringList{QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("0"),
                           QString::fromLatin1(texto)};
    };
    QTest::newRow("se sigue tecleando mientras se guarda una nota")
        << QList<QStringList>{escribe("uno"), intro, escribe("dos"), intro}
        << QStringList{QStringLiteral("uno"), QStringLiteral("dos")};
    QTest::newRow("suprimir no escribe nada")
        << QList<QStringList>{{QStringLiteral("key"), QStringLiteral("Delete")}, intro, escribe("x"), intro}
        << QStringList{QStringLiteral("notax")};
    QTest::newRow("ctrl y una letra editan la nota")
        << QList<QStringList>{{QStringLiteral("key"), QStringLiteral("ctrl+b")}, escribe("x"), intro}
        << QStringList{QStringLiteral("notax")};
    // Typed SQL is a note like any other.
    QTest::newRow("una segunda sentencia tecleada")
        << QList<QStringList>{escribe("x'; DROP TABLE MV_AGENDA; --"), intro}
        << QStringList{QStringLiteral("x'; DROP TABLE MV_AGENDA; --")};
    QTest::newRow("marcas de comentario tecleadas")
        << QList<QStringList>{escribe("a /* b */ -- c"), intro} << QStringList{QStringLiteral("a /* b */ -- c")};
}

void TstAgendaTecladoE2E::teclas()
{
    QFETCH(QList<QStringList>, pulsaciones);
    QFETCH(QStringList, notas);

    // Today with every slot free and holding the same note.
    BaseDePrueba base(true, QDate::currentDate());
    {
        ado::Connection conexion;
        conexion.Open(base.cadenaConexion());
        conexion.Execute(
            QStringLiteral("UPDATE MV_AGENDA SET Mensaje = '%1', IdEntrevista = NULL, IdProcesoBusqueda = NULL")
                .arg(NotaInicial));
    }

    QTemporaryDir carpeta;
    QProcess agenda;
    agenda.setProcessEnvironment(entornoX(carpeta.path()));
    agenda.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    agenda.start(QStringLiteral(AGENDA_CARPETA_BINARIOS "/agenda"),
                 {QStringLiteral("@Server=(local);@DbName=%1;@Usuario=admin;@Password=admin;@Proveedor=SQLite;")
                      .arg(base.ruta())});
    QVERIFY2(agenda.waitForStarted(), qPrintable(agenda.errorString()));
    // The window appears once today is loaded.
    const QStringList buscaVentana{QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                   QStringLiteral("^Agenda$")};
    QTRY_VERIFY_WITH_TIMEOUT(xdotool(buscaVentana) == 0 || agenda.state() == QProcess::NotRunning, 60000);
    QVERIFY2(agenda.state() == QProcess::Running,
             qPrintable(QStringLiteral("the program ended on its own (%1, exit code %2)")
                            .arg(agenda.exitStatus() == QProcess::CrashExit ? QStringLiteral("crashed")
                                                                            : QStringLiteral("normal exit"))
                            .arg(agenda.exitCode())));

    ::kill(static_cast<pid_t>(agenda.processId()), SIGSTOP);
    // A click on the top row shown (the window sits at the screen's corner), then the keys.
    QCOMPARE(xdotool({QStringLiteral("mousemove"), QStringLiteral("200"), QStringLiteral("8"), QStringLiteral("click"),
                      QStringLiteral("1")}),
             0);
    for (const QStringList& pulsacion : pulsaciones)
        QCOMPARE(xdotool(pulsacion), 0);
    ::kill(static_cast<pid_t>(agenda.processId()), SIGCONT);

    QTRY_COMPARE_WITH_TIMEOUT(notasCambiadas(base.cadenaConexion()), notas, 20000);
    agenda.kill();
    agenda.waitForFinished();
}

AGENDA_PRUEBA(TstAgendaTecladoE2E)
#include "tst_agenda_teclado_e2e.moc"
