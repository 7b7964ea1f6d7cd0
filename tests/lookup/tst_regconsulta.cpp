#include "lookup/RegConsulta.h"

#include <QTest>

// The 1202-byte catalogue record: field offsets, padding, cutting and the code page.
class TstRegConsulta : public QObject {
    Q_OBJECT
private slots:
    void bytes_data();
    void bytes();
    void idaYVuelta();
};

void TstRegConsulta::bytes_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<int>("desplazamiento");
    QTest::addColumn<QByteArray>("esperado");
    QTest::newRow("relleno con blancos") << "ABC" << 0 << QByteArray("ABC") + QByteArray(97, ' ') + "V_X";
    QTest::newRow("texto largo cortado al ancho") << QString(150, u'N') << 0 << QByteArray(100, 'N') + "V_X";
    QTest::newRow("página de códigos") << QString::fromUtf8("Año €") << 0 << QByteArray("A\xf1o \x80");
    QTest::newRow("carácter ajeno a la página") << QString::fromUtf8("Ω") << 0 << QByteArray("? ");
}

void TstRegConsulta::bytes()
{
    QFETCH(QString, nombre);
    QFETCH(int, desplazamiento);
    QFETCH(QByteArray, esperado);
    const QByteArray b = RegConsulta{nombre, "V_X", "|A|B|", {}}.aBytes();
    QCOMPARE(b.size(), RegConsulta::kLargo);
    QCOMPARE(b.mid(desplazamiento, esperado.size()), esperado);
    QCOMPARE(b.mid(200, 6), QByteArray("|A|B| "));
    QCOMPARE(b.mid(700, 500), QByteArray(500, ' '));
    QCOMPARE(b.right(2), QByteArray("\r\n"));
}

void TstRegConsulta::idaYVuelta()
{
    const RegConsulta r{QString::fromUtf8("Señales"), "MA_X", "|UNO|", "ACTIVO = 1"};
    const RegConsulta leido = RegConsulta::desdeBytes(r.aBytes());
    QCOMPARE(leido.NombreConsulta.trimmed(), r.NombreConsulta);
    QCOMPARE(leido.FiltroConsulta.size(), 500);
    QCOMPARE(leido.FiltroConsulta.trimmed(), r.FiltroConsulta);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstRegConsulta)
#include "tst_regconsulta.moc"
