#include "platform/ui/MSFlexGrid.h"

#include "platform/ui/ModeloSeleccionFlexGrid_p.h"
#include "platform/ui/Twips.h"
#include "runtime/ErrorVB.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace {

constexpr int32_t FilaNoValida = 30009;
constexpr int32_t ColumnaNoValida = 30010;

// The character code of a key event, or -1 when the key types no character. Ctrl with a letter
// gives its control code (Ctrl+A 1 to Ctrl+Z 26) whatever text the platform attached to it. A key
// whose text is a control character outside 0 to 31 (Delete gives "\x7f" under X11) types nothing.
int codigoCaracter(const QKeyEvent* evento)
{
    const Qt::KeyboardModifiers modificadores = evento->modifiers();
    if (modificadores.testFlag(Qt::ControlModifier)) {
        const bool letra = evento->key() >= Qt::Key_A && evento->key() <= Qt::Key_Z;
        return letra && !modificadores.testFlag(Qt::AltModifier) ? evento->key() - Qt::Key_A + 1 : -1;
    }
    switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return -1;
    default:
        break;
    }
    const QString texto = evento->text();
    if (texto.isEmpty())
        return -1;
    const int codigo = static_cast<int>(texto.toUcs4().value(0, texto.at(0).unicode()));
    if (codigo >= 32 && QChar::category(static_cast<char32_t>(codigo)) == QChar::Other_Control)
        return -1;
    return codigo;
}

} // namespace

ModeloSeleccionFlexGrid::ModeloSeleccionFlexGrid(QAbstractItemModel* modelo, MSFlexGrid* grid)
    : QItemSelectionModel(modelo, grid), grid_(grid)
{
}

void ModeloSeleccionFlexGrid::setCurrentIndex(const QModelIndex& indice, QItemSelectionModel::SelectionFlags orden)
{
    grid_->antesDeCambiarCelda(indice);
    QItemSelectionModel::setCurrentIndex(indice, orden);
}

MSFlexGrid::MSFlexGrid(QWidget* parent) : QTableWidget(parent)
{
    setSelectionModel(new ModeloSeleccionFlexGrid(model(), this));
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(0);
    setRowCount(2);
    setColumnCount(2);
    preparaCeldas();
}

void MSFlexGrid::setRows(int filas)
{
    if (filas < filasFijas_)
        throw ErrorVB(FilaNoValida, QStringLiteral("Valor de Rows no válido"), QStringLiteral("MSFlexGrid"));
    // A current row that goes away leaves the last remaining row current, in the same column.
    if (filas > 0 && currentRow() >= filas)
        fijaCeldaActual(filas - 1, Col());
    // Rows already there keep their cells: only new rows need preparing, so that growing the grid
    // one row at a time does not go over every row again.
    const int antes = rowCount();
    setRowCount(filas);
    preparaCeldas(antes);
    // A top row still waiting for the grid to be shown is forgotten when its row is gone. Qt lays
    // the rows out later, once for many changes; TopRow applies that layout when it is read or set.
    if (filaSuperiorPendiente_ >= filas)
        filaSuperiorPendiente_ = -1;
}

void MSFlexGrid::setCols(int columnas)
{
    if (columnas < columnasFijas_)
        throw ErrorVB(ColumnaNoValida, QStringLiteral("Valor de Cols no válido"), QStringLiteral("MSFlexGrid"));
    setColumnCount(columnas);
    preparaCeldas();
}

int MSFlexGrid::Row() const
{
    const int fila = currentRow();
    return fila >= 0 ? fila : 0;
}

void MSFlexGrid::setRow(int fila)
{
    compruebaFila(fila);
    fijaCeldaActual(fila, Col());
}

int MSFlexGrid::Col() const
{
    const int columna = currentColumn();
    return columna >= 0 ? columna : 0;
}

void MSFlexGrid::setCol(int columna)
{
    compruebaColumna(columna);
    fijaCeldaActual(Row(), columna);
}

int MSFlexGrid::TopRow() const
{
    if (filaSuperiorPendiente_ >= 0)
        return filaSuperiorPendiente_;
    // The scroll bar answers for the current row count only once the rows are laid out.
    const_cast<MSFlexGrid*>(this)->executeDelayedItemsLayout();
    return verticalScrollBar()->value();
}

void MSFlexGrid::setTopRow(int fila)
{
    compruebaFila(fila);
    // Laying out pending rows puts the scroll bar back where the header was: do it before scrolling.
    if (isVisible())
        executeDelayedItemsLayout();
    filaSuperiorPendiente_ = fila;
    if (isVisible())
        updateGeometries();
}

void MSFlexGrid::setFixedRows(int filas)
{
    if (filas < 0 || filas > rowCount())
        throw ErrorVB(FilaNoValida, QStringLiteral("Valor de FixedRows no válido"), QStringLiteral("MSFlexGrid"));
    filasFijas_ = filas;
    preparaCeldas();
}

void MSFlexGrid::setFixedCols(int columnas)
{
    if (columnas < 0 || columnas > columnCount())
        throw ErrorVB(ColumnaNoValida, QStringLiteral("Valor de FixedCols no válido"), QStringLiteral("MSFlexGrid"));
    columnasFijas_ = columnas;
    preparaCeldas();
}

QString MSFlexGrid::TextMatrix(int fila, int columna) const
{
    compruebaFila(fila);
    compruebaColumna(columna);
    const QTableWidgetItem* elemento = item(fila, columna);
    return elemento ? elemento->text() : QString();
}

void MSFlexGrid::setTextMatrix(int fila, int columna, const QString& texto)
{
    compruebaFila(fila);
    compruebaColumna(columna);
    celda(fila, columna)->setText(texto);
}

ColorOle MSFlexGrid::CellBackColor() const
{
    return CellBackColorEn(Row(), Col());
}

ColorOle MSFlexGrid::CellBackColorEn(int fila, int columna) const
{
    compruebaFila(fila);
    compruebaColumna(columna);
    const QTableWidgetItem* elemento = item(fila, columna);
    const QBrush fondo = elemento ? elemento->background() : QBrush();
    return ColorOle::DesdeQColor(fondo.style() == Qt::NoBrush ? palette().color(QPalette::Base) : fondo.color());
}

void MSFlexGrid::setCellBackColor(ColorOle color)
{
    celda(Row(), Col())->setBackground(color.aQColor());
}

int MSFlexGrid::CellLeft() const
{
    return Twips::desdePixelesX(rectanguloActual().left(), this);
}
int MSFlexGrid::CellTop() const
{
    return Twips::desdePixelesY(rectanguloActual().top(), this);
}
int MSFlexGrid::CellWidth() const
{
    return Twips::desdePixelesX(rectanguloActual().width(), this);
}
int MSFlexGrid::CellHeight() const
{
    return Twips::desdePixelesY(rectanguloActual().height(), this);
}

int MSFlexGrid::ColWidth(int columna) const
{
    compruebaColumna(columna);
    return isColumnHidden(columna) ? 0 : Twips::desdePixelesX(columnWidth(columna), this);
}

void MSFlexGrid::setColWidth(int columna, int twips)
{
    compruebaColumna(columna);
    if (twips <= 0) {
        hideColumn(columna);
        return;
    }
    showColumn(columna);
    setColumnWidth(columna, Twips::aPixelesX(twips, this));
}

int MSFlexGrid::Left() const
{
    return Twips::desdePixelesX(x(), this);
}
int MSFlexGrid::Top() const
{
    return Twips::desdePixelesY(y(), this);
}

void MSFlexGrid::Clear()
{
    // Emptying the table resets Qt's current index; the grid keeps its current cell.
    const int fila = currentRow();
    const int columna = currentColumn();
    clearContents();
    if (fila >= 0 && columna >= 0)
        fijaCeldaActual(fila, columna);
    preparaCeldas();
}

void MSFlexGrid::keyPressEvent(QKeyEvent* evento)
{
    const int codigo = codigoCaracter(evento);
    if (codigo < 0) {
        QTableWidget::keyPressEvent(evento);
        return;
    }
    evento->accept();
    emit KeyPress(codigo);
}

void MSFlexGrid::mouseDoubleClickEvent(QMouseEvent* evento)
{
    QTableWidget::mouseDoubleClickEvent(evento);
    emit DblClick();
}

void MSFlexGrid::focusInEvent(QFocusEvent* evento)
{
    QTableWidget::focusInEvent(evento);
    emit GotFocus();
}

void MSFlexGrid::updateGeometries()
{
    QTableWidget::updateGeometries();
    if (filaSuperiorPendiente_ >= 0 && isVisible()) {
        const int fila = filaSuperiorPendiente_;
        filaSuperiorPendiente_ = -1;
        verticalScrollBar()->setValue(fila);
    }
}

void MSFlexGrid::scrollTo(const QModelIndex& indice, ScrollHint hint)
{
    const int izquierda = columnViewportPosition(indice.column());
    const bool columnaVisible = izquierda < viewport()->width() && izquierda + columnWidth(indice.column()) > 0;
    const int horizontal = horizontalScrollBar()->value();
    QTableWidget::scrollTo(indice, hint);
    if (columnaVisible)
        horizontalScrollBar()->setValue(horizontal);
}

void MSFlexGrid::antesDeCambiarCelda(const QModelIndex& nueva)
{
    const QModelIndex actual = currentIndex();
    if (actual.isValid() && nueva.isValid() && nueva != actual)
        emit LeaveCell();
}

void MSFlexGrid::fijaCeldaActual(int fila, int columna)
{
    // The program places the current cell without scrolling; only TopRow scrolls.
    const bool desplaza = hasAutoScroll();
    setAutoScroll(false);
    setCurrentCell(fila, columna, QItemSelectionModel::NoUpdate);
    setAutoScroll(desplaza);
}

void MSFlexGrid::preparaCeldas(int desdeFila)
{
    // Fixed cells get an item of their own so that they look like buttons and cannot become current.
    const QBrush fondo = palette().brush(QPalette::Button);
    const QBrush texto = palette().brush(QPalette::ButtonText);
    for (int fila = desdeFila; fila < rowCount(); ++fila) {
        for (int columna = 0; columna < columnCount(); ++columna) {
            if (fila < filasFijas_ || columna < columnasFijas_) {
                QTableWidgetItem* elemento = celda(fila, columna);
                if (elemento->flags() != Qt::NoItemFlags) // every setFlags tells the view
                    elemento->setFlags(Qt::NoItemFlags);
                elemento->setBackground(fondo);
                elemento->setForeground(texto);
            } else if (QTableWidgetItem* elemento = item(fila, columna);
                       elemento && elemento->flags() == Qt::NoItemFlags) {
                elemento->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                elemento->setBackground(QBrush());
                elemento->setForeground(QBrush());
            }
        }
    }
    aseguraCeldaActual();
}

void MSFlexGrid::aseguraCeldaActual()
{
    if (currentIndex().isValid() || rowCount() == 0 || columnCount() == 0)
        return;
    const int fila = std::min(filasFijas_, rowCount() - 1);
    const int columna = std::min(columnasFijas_, columnCount() - 1);
    fijaCeldaActual(fila, columna);
}

QTableWidgetItem* MSFlexGrid::celda(int fila, int columna)
{
    QTableWidgetItem* elemento = item(fila, columna);
    if (!elemento) {
        elemento = new QTableWidgetItem;
        elemento->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItem(fila, columna, elemento);
    }
    return elemento;
}

QRect MSFlexGrid::rectanguloActual() const
{
    QRect rect = visualRect(model()->index(Row(), Col()));
    return rect.translated(viewport()->pos());
}

void MSFlexGrid::compruebaFila(int fila) const
{
    if (fila < 0 || fila >= rowCount())
        throw ErrorVB(FilaNoValida, QStringLiteral("Valor de Row no válido"), QStringLiteral("MSFlexGrid"));
}

void MSFlexGrid::compruebaColumna(int columna) const
{
    if (columna < 0 || columna >= columnCount())
        throw ErrorVB(ColumnaNoValida, QStringLiteral("Valor de Col no válido"), QStringLiteral("MSFlexGrid"));
}
