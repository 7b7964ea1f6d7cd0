#include "platform/ui/MonthView.h"

#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <memory>

// Only a mouse click on a date raises DateClick: the agenda reloads its grid on it and on nothing else.
class TstMonthView : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void clicEnUnaFechaLaSenala();
    void clicEnLaFechaYaElegidaTambien();
    void tecladoYProgramaNoLaSenalan();

private:
    // Clicks day `dia` (15 or so: a number shown once on the page) of the month shown.
    void pulsaDia(int dia);
    std::unique_ptr<MonthView> calendario;
};

void TstMonthView::init()
{
    calendario = std::make_unique<MonthView>(nullptr);
    calendario->resize(300, 220);
    calendario->setValue(QDate(2025, 3, 5));
    calendario->show();
    QVERIFY(QTest::qWaitForWindowExposed(calendario.get()));
}

void TstMonthView::cleanup()
{
    calendario.reset();
}

void TstMonthView::pulsaDia(int dia)
{
    auto* vista = calendario->findChild<QTableView*>();
    QVERIFY(vista);
    const QAbstractItemModel* modelo = vista->model();
    for (int fila = 0; fila < modelo->rowCount(); ++fila) {
        for (int columna = 0; columna < modelo->columnCount(); ++columna) {
            const QModelIndex indice = modelo->index(fila, columna);
            if (modelo->data(indice).toString() == QString::number(dia)) {
                QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, vista->visualRect(indice).center());
                return;
            }
        }
    }
    QFAIL("day not shown");
}

void TstMonthView::clicEnUnaFechaLaSenala()
{
    QSignalSpy espia(calendario.get(), &MonthView::DateClick);
    pulsaDia(17);
    QCOMPARE(espia.size(), 1);
    QCOMPARE(espia.first().first().toDate(), QDate(2025, 3, 17));
    QCOMPARE(calendario->Value(), QDate(2025, 3, 17));
    QCOMPARE(calendario->Day(), 17);
    QCOMPARE(calendario->Month(), 3);
    QCOMPARE(calendario->Year(), 2025);
}

void TstMonthView::clicEnLaFechaYaElegidaTambien()
{
    calendario->setValue(QDate(2025, 3, 15));
    QSignalSpy espia(calendario.get(), &MonthView::DateClick);
    pulsaDia(15);
    QCOMPARE(espia.size(), 1);
}

void TstMonthView::tecladoYProgramaNoLaSenalan()
{
    QSignalSpy espia(calendario.get(), &MonthView::DateClick);
    calendario->setValue(QDate(2025, 4, 10));
    QCOMPARE(calendario->Month(), 4);
    auto* vista = calendario->findChild<QTableView*>();
    vista->setFocus();
    QTest::keyClick(vista, Qt::Key_Right);
    QTest::keyClick(vista, Qt::Key_Return);
    QCOMPARE(calendario->Value(), QDate(2025, 4, 11));
    QCOMPARE(espia.size(), 0);
}

AGENDA_PRUEBA(TstMonthView)
#include "tst_monthview.moc"
