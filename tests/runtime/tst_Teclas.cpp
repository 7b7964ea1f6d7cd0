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
    QTest::newRow("Enter saves and moves") << 13 << true;
    QTest::newRow("Up saves and moves") << 38 << true;
    QTest::newRow("Down saves and moves") << 40 << true;
    QTest::newRow("Escape cancels without saving") << 27 << false;
    QTest::newRow("Left is typing") << 37 << false;
    QTest::newRow("Right is typing") << 39 << false;
    QTest::newRow("letter") << 65 << false;
    QTest::newRow("Tab") << 9 << false;
    QTest::newRow("zero") << 0 << false;
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
    QTest::newRow("Return") << int(Qt::Key_Return) << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 13;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 27;
    QTest::newRow("Up") << int(Qt::Key_Up) << 38;
    QTest::newRow("Down") << int(Qt::Key_Down) << 40;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << 46;
    QTest::newRow("letter Q") << int(Qt::Key_Q) << 81;
    QTest::newRow("digit 7") << int(Qt::Key_7) << 55;
    QTest::newRow("F12") << int(Qt::Key_F12) << 123;
    QTest::newRow("no code for Menu") << int(Qt::Key_Menu) << 0;
}

void TstTeclas::codigoDeTecla()
{
    QFETCH(int, teclaQt);
    QFETCH(int, codigo);
    QCOMPARE(Teclas::CodigoDeTecla(teclaQt), codigo);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstTeclas)
#include "tst_Teclas.moc"
