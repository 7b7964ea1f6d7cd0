#include "runtime/Teclas.h"

#include <QTest>

class TstTeclas : public QObject {
    Q_OBJECT
private slots:
    void esTeclaDeAccion_data();
    void esTeclaDeAccion();
    void codigoDeTecla_data();
    void codigoDeTecla();
};

void TstTeclas::esTeclaDeAccion_data()
{
    QTest::addColumn<int>("codigo");
    QTest::addColumn<bool>("accion");
    QTest::newRow("intro guarda y mueve") << 13 << true;
    QTest::newRow("arriba guarda y mueve") << 38 << true;
    QTest::newRow("abajo guarda y mueve") << 40 << true;
    QTest::newRow("escape cancela sin guardar") << 27 << false;
    QTest::newRow("izquierda es escribir") << 37 << false;
    QTest::newRow("derecha es escribir") << 39 << false;
    QTest::newRow("letra") << 65 << false;
    QTest::newRow("tabulador") << 9 << false;
    QTest::newRow("cero") << 0 << false;
}

void TstTeclas::esTeclaDeAccion()
{
    QFETCH(int, codigo);
    QFETCH(bool, accion);
    QCOMPARE(Teclas::EsTeclaDeAccion(codigo), accion);
}

void TstTeclas::codigoDeTecla_data()
{
    QTest::addColumn<int>("teclaQt");
    QTest::addColumn<int>("codigo");
    QTest::newRow("retorno") << int(Qt::Key_Return) << 13;
    QTest::newRow("intro del teclado numérico") << int(Qt::Key_Enter) << 13;
    QTest::newRow("escape") << int(Qt::Key_Escape) << 27;
    QTest::newRow("arriba") << int(Qt::Key_Up) << 38;
    QTest::newRow("abajo") << int(Qt::Key_Down) << 40;
    QTest::newRow("suprimir") << int(Qt::Key_Delete) << 46;
    QTest::newRow("letra Q") << int(Qt::Key_Q) << 81;
    QTest::newRow("dígito 7") << int(Qt::Key_7) << 55;
    QTest::newRow("F12") << int(Qt::Key_F12) << 123;
    QTest::newRow("sin código para Menú") << int(Qt::Key_Menu) << 0;
}

void TstTeclas::codigoDeTecla()
{
    QFETCH(int, teclaQt);
    QFETCH(int, codigo);
    QCOMPARE(Teclas::CodigoDeTecla(teclaQt), codigo);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstTeclas)
#include "tst_Teclas.moc"
