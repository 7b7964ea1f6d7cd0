#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "support/BaseDePrueba.h"

#include <QDate>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The real program, started as the README says, on a demo database laid out ten days ago: it must
// create today's slots on its own.
class TstAgendaE2E : public QObject {
    Q_OBJECT
private slots:
    void creaLasFranjasDeHoy();
};

namespace {

int franjasDeHoy(const QString& cadenaConexion)
{
    ado::Connection conexion;
    conexion.Open(cadenaConexion);
    ado::Recordset rs;
    const QString hoy = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    rs.Open(QStringLiteral("SELECT COUNT(*) FROM MV_AGENDA WHERE FECHA BETWEEN '%1' AND '%1 23:59'").arg(hoy),
            &conexion);
    return rs.Fields().Item(0).Value().toInt();
}

} // namespace

void TstAgendaE2E::creaLasFranjasDeHoy()
{
    BaseDePrueba base(true, QDate::currentDate().addDays(-10));
    QCOMPARE(franjasDeHoy(base.cadenaConexion()), 0);

    QTemporaryDir entorno;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    variables.insert(QStringLiteral("XDG_RUNTIME_DIR"), entorno.path());
    variables.insert(QStringLiteral("XDG_CONFIG_HOME"), entorno.path());
    variables.insert(QStringLiteral("XDG_STATE_HOME"), entorno.path());
    QProcess agenda;
    agenda.setProcessEnvironment(variables);
    agenda.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    agenda.start(QStringLiteral(AGENDA_CARPETA_BINARIOS "/agenda"),
                 {QStringLiteral("@Server=(local);@DbName=%1;@Usuario=admin;@Password=admin;@Proveedor=SQLite;")
                      .arg(base.ruta())});
    QVERIFY2(agenda.waitForStarted(), qPrintable(agenda.errorString()));

    QTRY_VERIFY_WITH_TIMEOUT(franjasDeHoy(base.cadenaConexion()) > 0 || agenda.state() == QProcess::NotRunning, 60000);
    const bool seguiaAbierta = agenda.state() == QProcess::Running;
    agenda.kill();
    agenda.waitForFinished();
    QVERIFY2(seguiaAbierta, "the program ended on its own");
    QCOMPARE(franjasDeHoy(base.cadenaConexion()), 28);
}

AGENDA_PRUEBA(TstAgendaE2E)
#include "tst_agenda_e2e.moc"
