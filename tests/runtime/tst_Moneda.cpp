#include "runtime/ErrorVB.h"
#include "runtime/Moneda.h"
#include "support/VerificaAdo.h"

#include <QTest>

#include <limits>

class TstMoneda : public QObject {
    Q_OBJECT
private slots:
    void aTexto_data();
    void aTexto();
    void desdeDouble_data();
    void desdeDouble();
    void desdeDoubleFueraDeRango_data();
    void desdeDoubleFueraDeRango();
};

void TstMoneda::aTexto_data()
{
    QTest::addColumn<qint64>("diezmilesimos");
    QTest::addColumn<QString>("texto");
    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("whole negative") << qint64(-30000) << "-3";
    QTest::newRow("trailing zeros dropped") << qint64(125000) << "12,5";
    QTest::newRow("four decimals") << qint64(12345) << "1,2345";
    QTest::newRow("leading zero in decimals") << qint64(5) << "0,0005";
    QTest::newRow("negative fraction") << qint64(-5000) << "-0,5";
    QTest::newRow("no thousands separator") << qint64(12345678900000) << "1234567890";
    QTest::newRow("most negative") << std::numeric_limits<qint64>::min() << "-922337203685477,5808";
}

void TstMoneda::aTexto()
{
    QFETCH(qint64, diezmilesimos);
    QFETCH(QString, texto);
    QCOMPARE(Moneda::desdeDiezmilesimos(diezmilesimos).aTexto(), texto);
}

void TstMoneda::desdeDouble_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<qint64>("diezmilesimos");
    QTest::newRow("exact") << 12.5 << qint64(125000);
    QTest::newRow("half to even, down") << 0.00005 << qint64(0);
    QTest::newRow("half to even, up") << 0.00015 << qint64(2);
    QTest::newRow("negative half to even") << -0.00015 << qint64(-2);
    QTest::newRow("binary value below the half as written") << 1.00005 << qint64(10000);
    QTest::newRow("far below a ten-thousandth") << 1e-20 << qint64(0);
    QTest::newRow("largest whole amount") << 922337203685477.0 << qint64(9223372036854770000);
}

void TstMoneda::desdeDouble()
{
    QFETCH(double, valor);
    QFETCH(qint64, diezmilesimos);
    QCOMPARE(Moneda::desdeDouble(valor).diezmilesimos(), diezmilesimos);
}

void TstMoneda::desdeDoubleFueraDeRango_data()
{
    QTest::addColumn<double>("valor");
    QTest::newRow("just past the range") << 922337203685478.0;
    QTest::newRow("large negative") << -1e16;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
}

void TstMoneda::desdeDoubleFueraDeRango()
{
    QFETCH(double, valor);
    const ErrorVB e = ErrorDe([&] { (void)Moneda::desdeDouble(valor); });
    QCOMPARE(e.numero(), ErroresVB::Desbordamiento);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstMoneda)
#include "tst_Moneda.moc"
