#include "platform/ui/MSFlexGrid.h"
#include "runtime/ErrorVB.h"
#include "support/VerificaAdo.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

// The grid stand-in driven through real mouse and key events, as the agenda window uses it.
class TstMSFlexGrid : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void leaveCellLlegaAntesDelCambio_data();
    void leaveCellLlegaAntesDelCambio();
    void keyPressDaElCodigoDelCaracter_data();
    void keyPressDaElCodigoDelCaracter();
    void rowNoDesplazaYTopRowSi();
    void topRowAntesDeMostrarseSeAplicaAlMostrarse();
    void colWidthCeroOcultaLaColumna();
    void laColumnaFijaNoEsNuncaActual();
    void unaColumnaAnchaNoDesplazaLaFija();
    void barraHorizontalSoloSiLasColumnasNoCaben_data();
    void barraHorizontalSoloSiLasColumnasNoCaben();
    void menosFilasDejaActualLaUltima();
    void topRowSigueAlNumeroDeFilas();
    void valoresFueraDeRangoSonErrores_data();
    void valoresFueraDeRangoSonErrores();
    void clearVaciaTextosYColores();
    void geometriaDeLaCeldaEnTwips();
    void dobleClicTrasUnClic();

private:
    QPoint centroDe(int fila, int columna) const;
    std::unique_ptr<QWidget> ventana;
    MSFlexGrid* grid = nullptr;
};

void TstMSFlexGrid::init()
{
    ventana = std::make_unique<QWidget>();
    ventana->resize(400, 200);
    grid = new MSFlexGrid(ventana.get());
    grid->setGeometry(0, 0, 400, 200);
    grid->setFixedRows(0);
    grid->setFixedCols(1);
    grid->setCols(4);
    grid->setRows(30);
    for (int fila = 0; fila < 30; ++fila)
        grid->setTextMatrix(fila, 1, QStringLiteral("nota %1").arg(fila));
}

void TstMSFlexGrid::cleanup()
{
    ventana.reset();
}

QPoint TstMSFlexGrid::centroDe(int fila, int columna) const
{
    return grid->visualRect(grid->model()->index(fila, columna)).center();
}

void TstMSFlexGrid::leaveCellLlegaAntesDelCambio_data()
{
    QTest::addColumn<std::function<void(MSFlexGrid*)>>("cambio");
    QTest::addColumn<int>("filaFinal");
    QTest::addColumn<int>("veces");

    QTest::newRow("fila puesta por el programa")
        << std::function<void(MSFlexGrid*)>([](MSFlexGrid* g) { g->setRow(3); }) << 3 << 1;
    QTest::newRow("la misma fila otra vez no lanza nada")
        << std::function<void(MSFlexGrid*)>([](MSFlexGrid* g) { g->setRow(0); }) << 0 << 0;
    QTest::newRow("flecha abajo") << std::function<void(MSFlexGrid*)>([](MSFlexGrid* g) {
        QTest::keyClick(g, Qt::Key_Down);
    }) << 1 << 1;
    QTest::newRow("clic del ratón en otra fila") << std::function<void(MSFlexGrid*)>([](MSFlexGrid* g) {
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(2, 1)).center());
    }) << 2 << 1;
}

void TstMSFlexGrid::leaveCellLlegaAntesDelCambio()
{
    QFETCH(std::function<void(MSFlexGrid*)>, cambio);
    QFETCH(int, filaFinal);
    QFETCH(int, veces);
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    grid->setFocus();
    grid->setRow(0);
    grid->setCol(1);

    QList<int> filasAlSalir;
    connect(grid, &MSFlexGrid::LeaveCell, grid, [&] { filasAlSalir << grid->Row(); });
    cambio(grid);

    QCOMPARE(filasAlSalir.size(), veces);
    if (veces > 0)
        QCOMPARE(filasAlSalir.first(), 0);
    QCOMPARE(grid->Row(), filaFinal);
    QCOMPARE(grid->Col(), 1);
}

void TstMSFlexGrid::keyPressDaElCodigoDelCaracter_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("codigo");
    QTest::addColumn<int>("modificadores");

    QTest::newRow("letra") << int(Qt::Key_A) << QStringLiteral("a") << 97 << 0;
    QTest::newRow("letra acentuada") << int(Qt::Key_Ntilde) << QStringLiteral("ñ") << 241 << 0;
    QTest::newRow("blanco") << int(Qt::Key_Space) << QStringLiteral(" ") << 32 << 0;
    QTest::newRow("intro") << int(Qt::Key_Return) << QStringLiteral("\r") << 13 << 0;
    QTest::newRow("intro del teclado numérico") << int(Qt::Key_Enter) << QStringLiteral("\r") << 13 << 0;
    QTest::newRow("retroceso") << int(Qt::Key_Backspace) << QStringLiteral("\b") << 8 << 0;
    QTest::newRow("escape") << int(Qt::Key_Escape) << QStringLiteral("\x1b") << 27 << 0;
    QTest::newRow("carácter de más de 16 bits") << int(Qt::Key_unknown) << QStringLiteral("😀") << 0x1F600 << 0;
    QTest::newRow("flecha no escribe nada") << int(Qt::Key_Down) << QString() << -1 << 0;
    QTest::newRow("tabulador no escribe nada") << int(Qt::Key_Tab) << QStringLiteral("\t") << -1 << 0;
    QTest::newRow("suprimir no escribe nada") << int(Qt::Key_Delete) << QStringLiteral("\x7f") << -1 << 0;
    QTest::newRow("carácter de control invisible") << int(Qt::Key_unknown) << QStringLiteral("\u0085") << -1 << 0;
    QTest::newRow("ctrl letra como la envía X11")
        << int(Qt::Key_B) << QStringLiteral("\x02") << 2 << int(Qt::ControlModifier);
    QTest::newRow("ctrl letra sin texto") << int(Qt::Key_Z) << QString() << 26 << int(Qt::ControlModifier);
    QTest::newRow("ctrl con otra tecla") << int(Qt::Key_Home) << QString() << -1 << int(Qt::ControlModifier);
}

void TstMSFlexGrid::keyPressDaElCodigoDelCaracter()
{
    QFETCH(int, tecla);
    QFETCH(QString, texto);
    QFETCH(int, codigo);
    QFETCH(int, modificadores);
    QSignalSpy espia(grid, &MSFlexGrid::KeyPress);
    QKeyEvent evento(QEvent::KeyPress, tecla, Qt::KeyboardModifiers(modificadores), texto);
    QApplication::sendEvent(grid, &evento);
    if (codigo < 0) {
        QCOMPARE(espia.size(), 0);
        return;
    }
    QCOMPARE(espia.size(), 1);
    QCOMPARE(espia.first().first().toInt(), codigo);
}

void TstMSFlexGrid::rowNoDesplazaYTopRowSi()
{
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    grid->setRow(25);
    QCOMPARE(grid->TopRow(), 0);
    grid->setTopRow(10);
    QCOMPARE(grid->TopRow(), 10);
    QCOMPARE(grid->rowAt(0), 10);
    grid->setRow(0);
    QCOMPARE(grid->TopRow(), 10);
}

void TstMSFlexGrid::topRowAntesDeMostrarseSeAplicaAlMostrarse()
{
    // The window sets TopRow while loading, before it is ever shown.
    grid->setTopRow(12);
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    QTRY_COMPARE(grid->rowAt(0), 12);
    QCOMPARE(grid->TopRow(), 12);
}

void TstMSFlexGrid::colWidthCeroOcultaLaColumna()
{
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    grid->setColWidth(1, 1440);
    QCOMPARE(grid->columnWidth(1), grid->logicalDpiX());
    QCOMPARE(grid->ColWidth(1), 1440);
    grid->setColWidth(2, 0);
    QCOMPARE(grid->ColWidth(2), 0);
    QVERIFY(grid->isColumnHidden(2));

    grid->setFocus();
    grid->setCol(1);
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(grid->Col(), 3);
}

void TstMSFlexGrid::laColumnaFijaNoEsNuncaActual()
{
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    grid->setRow(1);
    grid->setCol(1);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centroDe(4, 0));
    QCOMPARE(grid->Col(), 1);
    QCOMPARE(grid->Row(), 1);
    QTest::keyClick(grid, Qt::Key_Left);
    QCOMPARE(grid->Col(), 1);

    grid->setTextMatrix(4, 0, QStringLiteral("09:30"));
    QCOMPARE(grid->TextMatrix(4, 0), QStringLiteral("09:30"));
}

void TstMSFlexGrid::unaColumnaAnchaNoDesplazaLaFija()
{
    // Moving along a note column wider than the grid must keep the time column in view.
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    grid->setColumnWidth(1, 600);
    grid->setFocus();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centroDe(0, 1));
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(grid->Row(), 20);
    QCOMPARE(grid->columnViewportPosition(0), 0);
    QVERIFY(grid->TopRow() > 0);
}

void TstMSFlexGrid::barraHorizontalSoloSiLasColumnasNoCaben_data()
{
    QTest::addColumn<int>("sobrante"); // the visible width left after the columns, in pixels
    QTest::addColumn<bool>("barra");
    QTest::newRow("las columnas caben con holgura") << 40 << false;
    QTest::newRow("las columnas llenan justo lo visible") << 0 << false;
    QTest::newRow("la nota pasa un píxel") << -1 << true;
    QTest::newRow("la nota mucho más ancha") << -300 << true;
}

void TstMSFlexGrid::barraHorizontalSoloSiLasColumnasNoCaben()
{
    QFETCH(int, sobrante);
    QFETCH(bool, barra);
    grid->setColWidth(2, 0);
    grid->setColWidth(3, 0);
    grid->setColumnWidth(0, 40);
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    // The width the cells have beside the vertical scroll bar, which 30 rows need.
    const int visible = grid->width() - 2 * grid->frameWidth() - grid->verticalScrollBar()->sizeHint().width();
    grid->setColumnWidth(1, visible - 40 - sobrante);
    QTRY_COMPARE(grid->horizontalScrollBar()->isVisible(), barra);
}

void TstMSFlexGrid::menosFilasDejaActualLaUltima()
{
    grid->setRow(20);
    grid->setRows(2);
    QCOMPARE(grid->Rows(), 2);
    QCOMPARE(grid->Row(), 1);
    grid->setRows(3);
    QCOMPARE(grid->TextMatrix(2, 1), QString());
}

void TstMSFlexGrid::topRowSigueAlNumeroDeFilas()
{
    // Qt applies a row count change to the scroll position later; the program reads TopRow at once.
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    grid->setTopRow(20);
    QCOMPARE(grid->TopRow(), 20);
    grid->setRows(2);
    QCOMPARE(grid->TopRow(), 0);
    grid->setRows(30);
    grid->setTopRow(5);
    QCOMPARE(grid->TopRow(), 5);
}

void TstMSFlexGrid::valoresFueraDeRangoSonErrores_data()
{
    QTest::addColumn<std::function<void(MSFlexGrid*)>>("accion");
    QTest::addColumn<int>("numero");

    QTest::newRow("fila tras la última") << std::function<void(MSFlexGrid*)>([](MSFlexGrid* g) { g->setRow(30); })
                                         << 30009;
    QTest::newRow("fila negativa") << std::function<void(MSFlexGrid*)>([](MSFlexGrid* g) { g->setRow(-1); }) << 30009;
    QTest::newRow("columna tras la última")
        << std::function<void(MSFlexGrid*)>([](MSFlexGrid* g) { g->setCol(4); }) << 30010;
    QTest::newRow("texto de una celda que no existe")
        << std::function<void(MSFlexGrid*)>([](MSFlexGrid* g) { (void)g->TextMatrix(0, 9); }) << 30010;
    QTest::newRow("menos filas que las fijas") << std::function<void(MSFlexGrid*)>([](MSFlexGrid* g) {
        g->setFixedRows(1);
        g->setRows(0);
    }) << 30009;
}

void TstMSFlexGrid::valoresFueraDeRangoSonErrores()
{
    QFETCH(std::function<void(MSFlexGrid*)>, accion);
    QFETCH(int, numero);
    const ErrorVB error = ErrorDe([&] { accion(grid); });
    QCOMPARE(error.numero(), numero);
}

void TstMSFlexGrid::clearVaciaTextosYColores()
{
    grid->setRow(2);
    grid->setCol(1);
    grid->setCellBackColor(ColorOle(12648447));
    QCOMPARE(grid->CellBackColor(), ColorOle(12648447));
    QCOMPARE(grid->CellBackColorEn(2, 1), ColorOle::Rgb(255, 255, 192));
    grid->Clear();
    QCOMPARE(grid->Rows(), 30);
    QCOMPARE(grid->Row(), 2);
    QCOMPARE(grid->Col(), 1);
    QCOMPARE(grid->TextMatrix(2, 1), QString());
    QCOMPARE(grid->CellBackColor(), ColorOle::DesdeQColor(grid->palette().color(QPalette::Base)));
}

void TstMSFlexGrid::geometriaDeLaCeldaEnTwips()
{
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    grid->setRow(3);
    grid->setCol(1);
    const QRect rect = grid->visualRect(grid->model()->index(3, 1)).translated(grid->viewport()->pos());
    const double twipsPorPixel = 1440.0 / grid->logicalDpiX();
    QCOMPARE(grid->CellLeft(), qRound(rect.left() * twipsPorPixel));
    QCOMPARE(grid->CellTop(), qRound(rect.top() * 1440.0 / grid->logicalDpiY()));
    QCOMPARE(grid->CellWidth(), qRound(rect.width() * twipsPorPixel));
    QCOMPARE(grid->CellHeight(), qRound(rect.height() * 1440.0 / grid->logicalDpiY()));
}

void TstMSFlexGrid::dobleClicTrasUnClic()
{
    ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    QSignalSpy espia(grid, &MSFlexGrid::DblClick);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centroDe(5, 1));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centroDe(5, 1));
    QCOMPARE(espia.size(), 1);
    QCOMPARE(grid->Row(), 5);
}

AGENDA_PRUEBA(TstMSFlexGrid)
#include "tst_msflexgrid.moc"
