#include "data/DB_Dll.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "support/BaseDePrueba.h"
#include "support/DialogosGuionados.h"

#include <QTest>

#include <barrier>
#include <thread>

// Several desks on one database, each with its own connection, as the office runs the agenda.
class TstVariosPuestos : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data() { AgregaMotores(); }
    void init() { REQUIERE_MOTOR(); }
    void cadaPuestoVeLasNotasDelOtro();
    void franjasDeUnDiaSeCreanUnaVez();

private:
    static int cuenta(ado::Connection& c, const QString& sql);
};

int TstVariosPuestos::cuenta(ado::Connection& c, const QString& sql)
{
    ado::Recordset rs;
    rs.Open(sql, &c);
    return rs.Fields().Item(0).Value().toInt();
}

void TstVariosPuestos::cadaPuestoVeLasNotasDelOtro()
{
    DialogosDePrueba dialogos;
    BaseDePrueba base(true, QDate(2025, 3, 5), MotorActual());
    DB_Dll puestoA;
    DB_Dll puestoB;
    puestoA.gEsAdmin = puestoB.gEsAdmin = true;
    puestoA.gCnn().Open(base.cadenaConexion());
    puestoB.gCnn().Open(base.cadenaConexion());
    QString sql = "UPDATE MV_AGENDA SET MENSAJE = 'Visita de Núñez' WHERE FECHA = '5/3/2025 13:00'";
    int32_t afectados = 0;
    puestoA.EjecutaConsultaSQL(sql, afectados);
    QCOMPARE(afectados, 1);
    ado::Recordset rs;
    QString dia = "SELECT Mensaje FROM MV_AGENDA WHERE FECHA BETWEEN '5/3/2025' AND '5/3/2025 23:59' AND Mensaje = "
                  "'VISITA DE NÚÑEZ'";
    puestoB.AbrirRecordset(dia, &rs);
    QCOMPARE(rs.RecordCount(), 1);
    QVERIFY(dialogos->registros().isEmpty());
}

// Two desks showing a new day at the same moment: its slots are created once, not twice.
void TstVariosPuestos::franjasDeUnDiaSeCreanUnaVez()
{
    BaseDePrueba base(false, QDate(2025, 3, 5), MotorActual());
    constexpr int kPuestos = 4;
    std::barrier salida(kPuestos);
    std::vector<QString> fallos(kPuestos);
    std::vector<std::thread> puestos;
    for (int i = 0; i < kPuestos; ++i) {
        puestos.emplace_back([&, i] {
            try {
                ado::Connection c;
                c.Open(base.cadenaConexion());
                c.setCommandTimeout(30);
                salida.arrive_and_wait();
                c.Execute(QStringLiteral("EXEC KQ_CREARAGENDA '10/03/2025', 30"));
                c.Close();
            } catch (const std::exception& e) {
                fallos[i] = QString::fromUtf8(e.what());
            }
        });
    }
    for (auto& p : puestos)
        p.join();
    for (const QString& f : fallos)
        QVERIFY2(f.isEmpty(), qPrintable(f));
    ado::Connection c;
    c.Open(base.cadenaConexion());
    QCOMPARE(cuenta(c, "SELECT COUNT(*) FROM MV_AGENDA WHERE FECHA BETWEEN '10/3/2025' AND '10/3/2025 23:59'"), 28);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstVariosPuestos)
#include "tst_variospuestos.moc"
