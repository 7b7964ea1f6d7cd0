#include "runtime/Windows1252.h"

#include <QTest>

class TstWindows1252 : public QObject {
    Q_OBJECT
private slots:
    void decodifica_data();
    void decodifica();
    void codificaSinEquivalente();
};

void TstWindows1252::decodifica_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("texto");
    QTest::newRow("ASCII") << QByteArray("Agenda 1") << "Agenda 1";
    QTest::newRow("Latin-1 accents") << QByteArray("Mu\xf1oz \xc1lvarez") << QStringLiteral("Muñoz Álvarez");
    QTest::newRow("first and last of the table") << QByteArray("\x80\x9f") << QStringLiteral("€Ÿ");
    QTest::newRow("dashes and ellipsis") << QByteArray("\x96\x97\x85") << QStringLiteral("–—…");
    QTest::newRow("undefined bytes kept as controls")
        << QByteArray("\x81\x8d\x8f\x90\x9d") << QStringLiteral("\u0081\u008d\u008f\u0090\u009d");
    QTest::newRow("no-break space and y diaeresis") << QByteArray("\xa0\xff") << QStringLiteral("\u00a0ÿ");
}

void TstWindows1252::decodifica()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, texto);
    QCOMPARE(Windows1252::decodifica(bytes), texto);
    QCOMPARE(Windows1252::codifica(texto), bytes);
}

void TstWindows1252::codificaSinEquivalente()
{
    QCOMPARE(Windows1252::codifica(u"a\u2192b\u0100"), QByteArray("a?b?"));
}

AGENDA_PRUEBA_SIN_VENTANAS(TstWindows1252)
#include "tst_Windows1252.moc"
