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
    QTest::newRow("cero") << qint64(0) << "0";
    QTest::newRow("negativo entero") << qint64(-30000) << "-3";
    QTest::newRow("ceros finales quitados") << qint64(125000) << "12,5";
    QTest::newRow("cuatro decimales") << qint64(12345) << "1,2345";
    QTest::newRow("cero delante en los decimales") << qint64(5) << "0,0005";
    QTest::newRow("fracción negativa") << qint64(-5000) << "-0,5";
    QTest::newRow("sin separador de miles") << qint64(12345678900000) << "1234567890";
    QTest::newRow("el más negativo") << std::numeric_limits<qint64>::min() << "-922337203685477,5808";
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
    QTest::newRow("exacto") << 12.5 << qint64(125000);
    QTest::newRow("mitad al par, hacia abajo") << 0.00005 << qint64(0);
    QTest::newRow("mitad al par, hacia arriba") << 0.00015 << qint64(2);
    QTest::newRow("mitad negativa al par") << -0.00015 << qint64(-2);
    QTest::newRow("valor binario bajo la mitad escrita") << 1.00005 << qint64(10000);
    QTest::newRow("muy por debajo de una diezmilésima") << 1e-20 << qint64(0);
    QTest::newRow("mayor importe entero") << 922337203685477.0 << qint64(9223372036854770000);
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
    QTest::newRow("justo fuera del rango") << 922337203685478.0;
    QTest::newRow("negativo grande") << -1e16;
    QTest::newRow("infinito") << std::numeric_limits<double>::infinity();
    QTest::newRow("no es un número") << std::numeric_limits<double>::quiet_NaN();
}

void TstMoneda::desdeDoubleFueraDeRango()
{
    QFETCH(double, valor);
    const ErrorVB e = ErrorDe([&] { (void)Moneda::desdeDouble(valor); });
    QCOMPARE(e.numero(), ErroresVB::Desbordamiento);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstMoneda)
#include "tst_Moneda.moc"
