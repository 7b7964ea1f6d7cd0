#include "AgendaDePrueba.h"
#include "agenda/FrmMVAgenda.h"
#include "data/DB_Dll.h"
#include "db/BaseServidor.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/MSFlexGrid.h"
#include "platform/ui/MonthView.h"
#include "platform/ui/TextBox.h"
#include "startup/ModGlobal.h"
#include "support/ArchivoInmutable.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <unistd.h>

// The agenda window on a real database file that fails under it: removed while the window is open,
// locked by another connection, made unwritable, full. Each fault is told in Spanish, the window
// keeps running, a note that was not stored is never shown as stored and stays in the editor, and
// everything works again once the fault is gone.
class TstFallosBase : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void notaConLaBaseEnFallo_data();
    void notaConLaBaseEnFallo();
    void diaConLaBaseEnFallo_data();
    void diaConLaBaseEnFallo();
    void servidorDetenidoYArrancado();

private:
    void fallos();
    // Puts the fault in place; false when this system cannot make it (the test then skips).
    bool provoca(const QString& caso);
    void retira();
    [[nodiscard]] QString notaGuardada(int id);
    [[nodiscard]] QString avisos() const;
    [[nodiscard]] MSFlexGrid& grid() { return agenda->ventana().MSFGAgenda(); }
    [[nodiscard]] TextBox& editor() { return agenda->ventana().TxtEdit(); }

    std::unique_ptr<AgendaDePrueba> agenda;
    std::optional<ArchivoInmutable> inmutable;
    std::unique_ptr<ado::Connection> bloqueo;
    QString caso_;
};

void TstFallosBase::init()
{
    if (QByteArray(QTest::currentTestFunction()) == "servidorDetenidoYArrancado")
        return;
    agenda = std::make_unique<AgendaDePrueba>(false, QDate(2025, 3, 5));
    agenda->franja(QStringLiteral("09:00"), 0, 0, QStringLiteral("primera"));
    agenda->franja(QStringLiteral("10:00"));
    agenda->muestraDia(QDate(2025, 3, 5));
    ModGlobal::DB().gCnn().setCommandTimeout(1);
    agenda->dialogos().limpia();
}

void TstFallosBase::cleanup()
{
    retira();
    agenda.reset();
}

void TstFallosBase::fallos()
{
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QString>("causa");
    QTest::newRow("archivo borrado con la ventana abierta") << "borrado"
                                                            << "borrado";
    QTest::newRow("bloqueada por otra conexión") << "bloqueo"
                                                 << "bloqueada";
    QTest::newRow("archivo inmutable") << "inmutable"
                                       << "solo lectura";
    QTest::newRow("carpeta inmutable") << "carpeta"
                                       << "solo lectura";
    QTest::newRow("base llena") << "lleno"
                                << "lleno";
}

bool TstFallosBase::provoca(const QString& caso)
{
    caso_ = caso;
    const QString ruta = agenda->base().ruta();
    if (caso == "borrado") {
        QFile::remove(ruta + ".copia");
        return QFile::copy(ruta, ruta + ".copia") && QFile::remove(ruta);
    }
    if (caso == "bloqueo") {
        bloqueo = std::make_unique<ado::Connection>();
        bloqueo->Open(agenda->base().cadenaConexion());
        bloqueo->BeginTrans();
        bloqueo->Execute(QStringLiteral("UPDATE MV_AGENDA SET FECHA = FECHA WHERE ID = 1"));
        return true;
    }
    if (caso == "inmutable")
        return inmutable.emplace(ruta).logrado();
    if (caso == "carpeta")
        return inmutable.emplace(agenda->base().carpeta()).logrado();
    // A slot of another day fills the agenda's page almost to the brim, and the file gets no room
    // beyond the pages it holds now: any write that needs a new page fails.
    agenda->ejecuta(QStringLiteral("INSERT INTO MV_AGENDA (FECHA, Mensaje) VALUES ('2025-01-01 09:00:00', '%1')")
                        .arg(QString(3900, u'r')));
    ModGlobal::DB().gCnn().Execute(QStringLiteral("PRAGMA max_page_count = 1"));
    return true;
}

void TstFallosBase::retira()
{
    const QString ruta = agenda ? agenda->base().ruta() : QString();
    if (caso_ == "borrado" && !QFile::exists(ruta))
        QFile::copy(ruta + ".copia", ruta);
    if (bloqueo) {
        bloqueo->RollbackTrans();
        bloqueo.reset();
    }
    inmutable.reset();
    if (caso_ == "lleno" && agenda)
        ModGlobal::DB().gCnn().Execute(QStringLiteral("PRAGMA max_page_count = 1073741823"));
    caso_.clear();
}

QString TstFallosBase::notaGuardada(int id)
{
    // A connection of its own: one opened before the file was replaced would still read the old one.
    ado::Connection conexion;
    conexion.Open(agenda->base().cadenaConexion());
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT Mensaje FROM MV_AGENDA WHERE ID = %1").arg(id), &conexion);
    return rs.Fields().Item(0).Value().toString();
}

QString TstFallosBase::avisos() const
{
    QStringList textos;
    for (const auto& registro : agenda->dialogos().registros())
        textos << registro.texto;
    return textos.join(QStringLiteral("\n---\n"));
}

void TstFallosBase::notaConLaBaseEnFallo_data()
{
    fallos();
}

void TstFallosBase::notaConLaBaseEnFallo()
{
    QFETCH(QString, caso);
    QFETCH(QString, causa);
    // Long enough to need new pages of a full file.
    const QString nota = QStringLiteral("Llamar a Ana ") + QString(200, u'x');
    agenda->dobleClic(0);
    QVERIFY(editor().isVisible());
    editor().setText(nota);
    if (!provoca(caso))
        QSKIP("Este sistema no puede provocar este fallo");
    QTest::keyClick(&editor(), Qt::Key_Return);

    // Told in Spanish, naming the cause; the typed note is still in the editor, not in the cell.
    QTRY_VERIFY(!agenda->dialogos().registros().isEmpty());
    QVERIFY2(avisos().contains(QStringLiteral("La nota no se ha podido guardar")), qPrintable(avisos()));
    QVERIFY2(avisos().contains(causa), qPrintable(avisos()));
    QVERIFY(agenda->ventana().isVisible());
    QVERIFY(editor().isVisible());
    QCOMPARE(editor().text(), nota);
    QCOMPARE(grid().TextMatrix(0, 1), QStringLiteral("primera"));
    retira();
    QCOMPARE(notaGuardada(1), QStringLiteral("primera"));

    // With the fault gone, the same key stores it.
    agenda->dialogos().limpia();
    QTest::keyClick(&editor(), Qt::Key_Return);
    QTRY_VERIFY(!editor().isVisible());
    QVERIFY2(agenda->dialogos().registros().isEmpty(), qPrintable(avisos()));
    QCOMPARE(notaGuardada(1), nota);
    QCOMPARE(grid().TextMatrix(0, 1), nota);
}

void TstFallosBase::diaConLaBaseEnFallo_data()
{
    fallos();
}

void TstFallosBase::diaConLaBaseEnFallo()
{
    QFETCH(QString, caso);
    QFETCH(QString, causa);
    MonthView& calendario = agenda->ventana().MonthView1();
    if (!provoca(caso))
        QSKIP("Este sistema no puede provocar este fallo");
    // A day without slots yet: loading it has to create them.
    calendario.setValue(QDate(2025, 3, 6));
    emit calendario.DateClick(calendario.Value());
    QVERIFY2(!agenda->dialogos().registros().isEmpty(), "the failed creation of the day's slots was not told");
    QVERIFY2(avisos().contains(causa), qPrintable(avisos()));
    QVERIFY(agenda->ventana().isVisible());
    QCOMPARE(grid().Rows(), 2);
    QVERIFY(grid().TextMatrix(0, 4).isEmpty());

    retira();
    agenda->dialogos().limpia();
    emit calendario.DateClick(calendario.Value());
    QVERIFY2(agenda->dialogos().registros().isEmpty(), qPrintable(avisos()));
    QVERIFY(grid().Rows() > 2);
    QVERIFY(!grid().TextMatrix(0, 4).isEmpty());
}

namespace {

// A PostgreSQL cluster of this test's own, so that stopping it disturbs no other test.
class ServidorPropio {
public:
    ServidorPropio()
    {
        const QStringList versiones
            = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        if (versiones.isEmpty() || !carpeta_.isValid())
            return;
        pgCtl_ = QStringLiteral("/usr/lib/postgresql/%1/bin/pg_ctl").arg(versiones.last());
        guion_ = qEnvironmentVariable("AGENDA_FUENTES") + QStringLiteral("/tests/postgresql/servidor_prueba.sh");
        QProcess arranque;
        arranque.setStandardOutputFile(QProcess::nullDevice());
        arranque.start(QStringLiteral("sh"), {guion_, QStringLiteral("arranca"), carpeta_.path()});
        arranque.waitForFinished(120000);
        QFile archivo(carpeta_.filePath(QStringLiteral("conexion")));
        if (archivo.open(QIODevice::ReadOnly))
            cadena_ = QString::fromUtf8(archivo.readAll()).trimmed();
        // The cluster itself lives in a folder the server's user can reach, named beside the string.
        QFile cluster(carpeta_.filePath(QStringLiteral("cluster")));
        if (cluster.open(QIODevice::ReadOnly))
            cluster_ = QDir(QString::fromUtf8(cluster.readAll()).trimmed());
        const qsizetype puerto = cadena_.indexOf(QLatin1String("127.0.0.1:"));
        puerto_ = puerto < 0 ? QString() : cadena_.mid(puerto + 10).section(u';', 0, 0);
    }
    ~ServidorPropio()
    {
        if (!cadena_.isEmpty())
            QProcess::execute(QStringLiteral("sh"), {guion_, QStringLiteral("detiene"), carpeta_.path()});
    }
    [[nodiscard]] QString cadena() const { return cadena_; }
    bool detiene() { return pgCtl({QStringLiteral("stop"), QStringLiteral("-m"), QStringLiteral("fast")}); }
    bool arranca()
    {
        return pgCtl({QStringLiteral("start"), QStringLiteral("-l"), cluster_.filePath(QStringLiteral("servidor.log")),
                      QStringLiteral("-o"),
                      QStringLiteral("-p %1 -c listen_addresses=127.0.0.1 -c unix_socket_directories=%2 -c fsync=off")
                          .arg(puerto_, cluster_.filePath(QStringLiteral("socket")))});
    }
    bool reinicia()
    {
        return pgCtl({QStringLiteral("restart"), QStringLiteral("-m"), QStringLiteral("fast"), QStringLiteral("-l"),
                      cluster_.filePath(QStringLiteral("servidor.log"))});
    }

private:
    bool pgCtl(QStringList argumentos)
    {
        argumentos = QStringList{QStringLiteral("-D"), cluster_.filePath(QStringLiteral("datos")), QStringLiteral("-w")}
            + argumentos;
        // The cluster belongs to the postgres user when the tests run as root.
        QString programa = pgCtl_;
        if (geteuid() == 0) {
            argumentos = QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), pgCtl_}
                + argumentos;
            programa = QStringLiteral("runuser");
        }
        QProcess proceso;
        proceso.setStandardOutputFile(QProcess::nullDevice());
        proceso.start(programa, argumentos);
        return proceso.waitForFinished(60000) && proceso.exitStatus() == QProcess::NormalExit
            && proceso.exitCode() == 0;
    }
    QTemporaryDir carpeta_;
    QDir cluster_;
    QString pgCtl_;
    QString guion_;
    QString cadena_;
    QString puerto_;
};

} // namespace

// The office server restarted, then stopped and started again, under an open window: each note is
// either stored or told and kept in the editor, and the one after the server is back is stored.
void TstFallosBase::servidorDetenidoYArrancado()
{
    agenda.reset();
    ServidorPropio servidor;
    if (servidor.cadena().isEmpty())
        QSKIP("No se puede arrancar un servidor PostgreSQL propio");
    const QString cadena = servidor.cadena() + QStringLiteral(";Database=agenda_reinicio");
    BaseServidor::Crea(cadena, false, QDate(2025, 3, 5));
    DialogosDePrueba dialogos;
    DB_Dll& db = ModGlobal::DB();
    auto conexion = std::make_shared<ado::Connection>();
    conexion->Open(cadena);
    conexion->Execute(QStringLiteral("EXEC KQ_CREARAGENDA '05/03/2025', 60"));
    db.setGCnn(conexion);
    db.gEsAdmin = true;
    db.gOpenFlag = true;
    {
        FrmMVAgenda ventana;
        ventana.MonthView1().setValue(QDate(2025, 3, 5));
        ventana.show();
        QVERIFY(QTest::qWaitForWindowActive(&ventana));
        ventana.CargarDia();
        MSFlexGrid& rejilla = ventana.MSFGAgenda();
        QVERIFY(rejilla.Rows() > 2);
        const QString id = rejilla.TextMatrix(0, 4);
        const auto guardada = [&] {
            ado::Connection otra;
            otra.Open(cadena);
            ado::Recordset rs;
            rs.Open(QStringLiteral("SELECT Mensaje FROM MV_AGENDA WHERE ID = ") + id, &otra);
            return rs.Fields().Item(0).Value().toString();
        };
        // Writes `nota` and closes the editor with Enter; true when it was stored at once.
        const auto escribe = [&](const QString& nota) {
            const QPoint centro = rejilla.visualRect(rejilla.model()->index(0, 1)).center();
            QTest::mouseClick(rejilla.viewport(), Qt::LeftButton, {}, centro);
            QTest::mouseDClick(rejilla.viewport(), Qt::LeftButton, {}, centro);
            ventana.TxtEdit().setText(nota);
            QTest::keyClick(&ventana.TxtEdit(), Qt::Key_Return);
            return !ventana.TxtEdit().isVisible();
        };
        const auto avisado = [&] {
            for (const auto& registro : dialogos->registros())
                if (registro.texto.contains(QStringLiteral("servidor")))
                    return true;
            return false;
        };

        QVERIFY(servidor.reinicia());
        dialogos->limpia();
        if (!escribe(QStringLiteral("tras reiniciar"))) {
            QVERIFY2(avisado(),
                     qPrintable(dialogos->registros().isEmpty() ? QString() : dialogos->registros().last().texto));
            QCOMPARE(rejilla.TextMatrix(0, 1), QString());
            QTest::keyClick(&ventana.TxtEdit(), Qt::Key_Return);
            QVERIFY(!ventana.TxtEdit().isVisible());
        }
        QCOMPARE(guardada(), QStringLiteral("tras reiniciar"));

        QVERIFY(servidor.detiene());
        dialogos->limpia();
        QVERIFY(!escribe(QStringLiteral("con el servidor parado")));
        QVERIFY2(avisado(),
                 qPrintable(dialogos->registros().isEmpty() ? QString() : dialogos->registros().last().texto));
        QVERIFY(ventana.TxtEdit().isVisible());
        QCOMPARE(ventana.TxtEdit().text(), QStringLiteral("con el servidor parado"));
        QCOMPARE(rejilla.TextMatrix(0, 1), QStringLiteral("tras reiniciar"));

        QVERIFY(servidor.arranca());
        dialogos->limpia();
        QTest::keyClick(&ventana.TxtEdit(), Qt::Key_Return);
        QVERIFY2(!ventana.TxtEdit().isVisible(),
                 qPrintable(dialogos->registros().isEmpty() ? QString() : dialogos->registros().last().texto));
        QCOMPARE(guardada(), QStringLiteral("con el servidor parado"));
        QCOMPARE(rejilla.TextMatrix(0, 1), QStringLiteral("con el servidor parado"));
    }
    db.setGCnn(nullptr);
}

AGENDA_PRUEBA(TstFallosBase)
#include "tst_fallosbase.moc"
