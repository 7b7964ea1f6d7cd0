#pragma once

#include "platform/ui/ColorOle.h"
#include "platform/ui/IndicePrefijos.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// The rows of a ListView: one entry per item, cells kept as texts, styles only for styled cells.
class ModeloListView : public QAbstractTableModel {
public:
    struct Estilo {
        bool negrita = false;
        std::optional<ColorOle> color;
    };
    struct Item {
        QList<QString> textos; // cell 0 is the item's text; missing cells read ""
        QList<Estilo> estilos; // empty while no cell is styled
        bool marcado = false;
    };
    struct Columna {
        QString titulo;
        int anchoTwips = 0;
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol) override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;

    // Direct access by 0-based row, for the list; the list tells the view what changed.
    // Rows added during a load count from the end of the shown ones.
    [[nodiscard]] Item& item(int fila);
    [[nodiscard]] const Item& item(int fila) const;
    [[nodiscard]] int cantidad() const { return static_cast<int>(items_.size() + pendientes_.size()); }
    void celdaCambiada(int fila, int columna, const QList<int>& roles);
    // Sets the text of a cell (padding the row's missing cells with ""); the view is not told.
    void setTexto(int fila, int columna, const QString& texto);
    // The first row whose cell `columna`, trimmed, begins with `prefijo` ignoring case; -1 when none.
    // The first search in a column indexes it; a change to its texts or to the rows drops the index.
    [[nodiscard]] int primeraQueEmpieza(int columna, QStringView prefijo) const;
    // Inserts at `fila`, telling the view; or, during a load, appends to the rows the view is told
    // about in one insertion when the load ends (the columns and their widths stay as they are).
    void inserta(int fila, Item item);
    void agregaEnCarga(Item item);
    void terminaCarga();
    void limpiaItems();

    [[nodiscard]] QList<Columna>& columnas() { return columnas_; }
    [[nodiscard]] const QList<Columna>& columnas() const { return columnas_; }
    void agregaColumna(const Columna& columna);
    void limpiaColumnas();

    void setCasillas(bool casillas);
    // Reorders the rows by the text of `columna`, stable, keeping selection and current row.
    void ordena(int columna, bool descendente);
    // The position a new item takes among rows sorted by `columna`.
    [[nodiscard]] int posicionOrdenada(const QString& texto, int columna, bool descendente) const;

private:
    void olvidaIndices() { indices_.clear(); }

    std::vector<Item> items_;
    std::vector<Item> pendientes_;
    QList<Columna> columnas_;
    bool casillas_ = false;
    mutable std::vector<std::unique_ptr<IndicePrefijos>> indices_; // per column, built on demand
};
