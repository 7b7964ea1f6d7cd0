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
    QTest::newRow("acentos de Latin-1") << QByteArray("Mu\xf1oz \xc1lvarez") << QStringLiteral("Muñoz Álvarez");
    QTest::newRow("primero y último de la tabla") << QByteArray("\x80\x9f") << QStringLiteral("€Ÿ");
    QTest::newRow("rayas y puntos suspensivos") << QByteArray("\x96\x97\x85") << QStringLiteral("–—…");
    QTest::newRow("bytes sin definir conservados como controles")
        << QByteArray("\x81\x8d\x8f\x90\x9d") << QStringLiteral("\u0081\u008d\u008f\u0090\u009d");
    QTest::newRow("espacio sin corte e y con diéresis") << QByteArray("\xa0\xff") << QStringLiteral("\u00a0ÿ");
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
