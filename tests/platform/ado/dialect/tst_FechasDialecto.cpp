#include "platform/ado/dialect/FechasDialecto.h"

#include <QRandomGenerator>
#include <QTest>

using namespace ado::dialecto;

// The stored form of a date is told apart by its shape alone: whatever FechaAlmacenada writes is
// recognised, and a text of any other shape (a note that merely reads as a date) is not.
class TstFechasDialecto : public QObject {
    Q_OBJECT
private slots:
    void esFechaAlmacenada_data();
    void esFechaAlmacenada();
    void loAlmacenadoSeReconoce();
};

void TstFechasDialecto::esFechaAlmacenada_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("almacenada");
    QTest::newRow("segundos") << "2025-03-05 09:30:00" << true;
    QTest::newRow("milisegundos") << "2025-03-05 09:30:00.503" << true;
    QTest::newRow("día primero") << "05/03/2025 09:30:00" << false;
    QTest::newRow("sin hora") << "2025-03-05" << false;
    QTest::newRow("con T") << "2025-03-05T09:30:00" << false;
    QTest::newRow("dos decimales") << "2025-03-05 09:30:00.50" << false;
    QTest::newRow("blanco delante") << " 2025-03-05 09:30:00" << false;
    QTest::newRow("letra en lugar de cifra") << "2025-03-O5 09:30:00" << false;
}

void TstFechasDialecto::esFechaAlmacenada()
{
    QFETCH(QString, texto);
    QTEST(EsFechaAlmacenada(texto), "almacenada");
}

void TstFechasDialecto::loAlmacenadoSeReconoce()
{
    QRandomGenerator azar(19);
    const QDateTime base(QDate(1900, 1, 1), QTime(0, 0));
    for (int i = 0; i < 500; ++i) {
        const QDateTime momento = base.addMSecs(static_cast<qint64>(azar.bounded(4'000'000'000.0)) * 1000
                                                + (i % 2 ? azar.bounded(1000) : 0));
        const QString almacenada = FechaAlmacenada(momento);
        QVERIFY2(EsFechaAlmacenada(almacenada), qPrintable(almacenada));
        QCOMPARE(TextoAlmacenado(almacenada).value_or(QString()), almacenada);
    }
}

AGENDA_PRUEBA_SIN_VENTANAS(TstFechasDialecto)
#include "tst_FechasDialecto.moc"
