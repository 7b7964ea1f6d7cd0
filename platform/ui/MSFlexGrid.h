#pragma once

#include "platform/ui/ColorOle.h"

#include <QTableWidget>

// The flex grid the agenda window uses, over a QTableWidget. Rows and columns count from 0; the
// first FixedRows rows and FixedCols columns are fixed cells (button-coloured, never current by
// mouse or keyboard). There is always a current cell while the grid has cells. Geometry is in
// twips. Nothing is edited in place: typing raises KeyPress and the program decides what to do.
// Invalid rows raise ErrorVB 30009, invalid columns 30010.
class MSFlexGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit MSFlexGrid(QWidget* parent);

    [[nodiscard]] int Rows() const { return rowCount(); }
    // Adds empty rows or drops rows from the end; fewer than FixedRows raises 30009. When the current
    // row goes, the last remaining row becomes current.
    void setRows(int filas);
    [[nodiscard]] int Cols() const { return columnCount(); }
    void setCols(int columnas);

    // The current cell. Setting it never scrolls and raises LeaveCell first when the cell changes.
    [[nodiscard]] int Row() const;
    void setRow(int fila);
    [[nodiscard]] int Col() const;
    void setCol(int columna);

    // The first row shown. Set before the grid is shown, it is applied when it is laid out;
    // a row past the last possible top row leaves the grid scrolled to the end. Changing Rows
    // updates it at once: fewer rows scroll back as far as the rows that remain require.
    [[nodiscard]] int TopRow() const;
    void setTopRow(int fila);

    [[nodiscard]] int FixedRows() const { return filasFijas_; }
    void setFixedRows(int filas);
    [[nodiscard]] int FixedCols() const { return columnasFijas_; }
    void setFixedCols(int columnas);

    // Text of the current cell, and of any cell.
    [[nodiscard]] QString Text() const { return TextMatrix(Row(), Col()); }
    void setText(const QString& texto) { setTextMatrix(Row(), Col(), texto); }
    [[nodiscard]] QString TextMatrix(int fila, int columna) const;
    void setTextMatrix(int fila, int columna, const QString& texto);

    // Back colour of the current cell; a cell never coloured answers the grid's base colour.
    [[nodiscard]] ColorOle CellBackColor() const;
    void setCellBackColor(ColorOle color);
    [[nodiscard]] ColorOle CellBackColorEn(int fila, int columna) const;

    // Position and size of the current cell relative to the grid's own top-left corner, in twips.
    [[nodiscard]] int CellLeft() const;
    [[nodiscard]] int CellTop() const;
    [[nodiscard]] int CellWidth() const;
    [[nodiscard]] int CellHeight() const;

    // Column width in twips; 0 hides the column (it is skipped by the keyboard).
    [[nodiscard]] int ColWidth(int columna) const;
    void setColWidth(int columna, int twips);

    // The grid's position in its parent, in twips.
    [[nodiscard]] int Left() const;
    [[nodiscard]] int Top() const;

    // Brings the cell's row into view; the grid scrolls sideways only when none of the cell's
    // column is visible, so the fixed time column does not slide away under a wide note column.
    void scrollTo(const QModelIndex& indice, ScrollHint hint = EnsureVisible) override;

    // Empties the text and colour of every cell; rows, columns, widths and the current cell stay.
    void Clear();

signals:
    void DblClick();
    // A typed character: its code (Enter 13, Backspace 8, Escape 27, Ctrl+A to Ctrl+Z 1 to 26, a
    // character outside 16 bits as its whole code point). Keys without a character (arrows, Tab,
    // other Ctrl combinations) move the current cell instead; Delete and any key whose text is an
    // invisible control character other than 0 to 31 raise nothing.
    void KeyPress(int KeyAscii);
    // Raised just before the current cell changes, while the old cell is still current.
    void LeaveCell();
    void GotFocus();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void updateGeometries() override;

private:
    friend class ModeloSeleccionFlexGrid;
    void antesDeCambiarCelda(const QModelIndex& nueva);
    void fijaCeldaActual(int fila, int columna);
    void preparaCeldas();
    void aseguraCeldaActual();
    [[nodiscard]] QTableWidgetItem* celda(int fila, int columna);
    [[nodiscard]] QRect rectanguloActual() const;
    void compruebaFila(int fila) const;
    void compruebaColumna(int columna) const;

    int filasFijas_ = 1;
    int columnasFijas_ = 1;
    int filaSuperiorPendiente_ = -1;
};
