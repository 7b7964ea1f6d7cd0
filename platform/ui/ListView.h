#pragma once

#include "platform/ui/ColorOle.h"
#include "platform/ui/ModeloListView_p.h"

#include <QString>
#include <QTreeView>

#include <memory>

// The list control of the lookup dialogs, in report view, over a QTreeView with a model of its own
// (a hundred thousand rows load and search quickly). Items and column headers count from 1, as the
// suite's code counts them; 0 means "none". An item has a text (column 1), sub-items 1 … n − 1 (the
// other columns), a checked state, and per cell an optional bold face and text colour. Widths and
// positions are in twips; a width set in twips reads back exactly as set until the person drags the
// column's edge.
// Nothing is edited in place: label editing is always refused. Type-ahead of the view is off, so
// printable keys reach KeyDown only.
class ListView : public QTreeView {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent);
    ~ListView() override;

    // Column headers.
    void AgregaColumna(const QString& titulo, int anchoTwips);
    void LimpiaColumnas();
    [[nodiscard]] int CantidadColumnas() const;
    [[nodiscard]] QString TituloColumna(int columna) const;
    // Left edge of the column inside the list (the sum of the widths before it), in twips.
    [[nodiscard]] int IzquierdaColumna(int columna) const;
    [[nodiscard]] int AnchoColumna(int columna) const;
    void setAnchoColumna(int columna, int anchoTwips);

    // Items.
    [[nodiscard]] int CantidadItems() const;
    // Adds an item at the end (at its sorted place while Sorted is on) and returns its position.
    int AgregaItem(const QString& texto);
    void LimpiaItems();
    [[nodiscard]] QString Texto(int item) const;
    void setTexto(int item, const QString& texto);
    // Sub-item k (1 … columns − 1); a sub-item never set reads "".
    [[nodiscard]] QString SubItem(int item, int k) const;
    void setSubItem(int item, int k, const QString& texto);
    // The first item whose cell k (0 its text, k > 0 its sub-item k), trimmed, begins with `prefijo`
    // (already trimmed) ignoring case; 0 when none does. Quick on a hundred thousand items: the
    // column is indexed on its first search and again only after its texts change.
    [[nodiscard]] int PrimeroQueEmpieza(int k, QStringView prefijo) const;
    // Cell k of an item: 0 is its text, k > 0 its sub-item k.
    void setNegrita(int item, int k, bool negrita);
    [[nodiscard]] bool Negrita(int item, int k) const;
    void setColorTexto(int item, int k, ColorOle color);
    // The colour of a cell never coloured is the list's text colour.
    [[nodiscard]] ColorOle ColorTexto(int item, int k) const;
    [[nodiscard]] bool Marcado(int item) const;
    void setMarcado(int item, bool marcado);

    // Loading many items at once: while the returned object lives, added items are not shown one by
    // one; they appear (sorted, when Sorted is on) when it ends. Nothing else may touch the list
    // meanwhile.
    class Carga {
    public:
        explicit Carga(ListView& lista);
        ~Carga();
        Carga(const Carga&) = delete;
        Carga& operator=(const Carga&) = delete;

    private:
        ListView& lista_;
    };
    [[nodiscard]] Carga IniciaCarga() { return Carga(*this); }

    // The selected item (0 when none) and its choice; choosing also makes it current.
    [[nodiscard]] int ItemSeleccionado() const;
    void setItemSeleccionado(int item);
    // Scrolls so that the item is in view.
    void AseguraVisible(int item);

    [[nodiscard]] bool Checkboxes() const { return checkboxes_; }
    void setCheckboxes(bool conCasillas);

    // Built-in sort by the text of one column (SortKey 0 is the item's text, k its sub-item k),
    // comparing as a person reads (case and accents count last). While Sorted is on, the order is
    // kept as items are added.
    [[nodiscard]] bool Sorted() const { return ordenada_; }
    void setSorted(bool ordenada);
    [[nodiscard]] int SortKey() const { return claveOrden_; }
    void setSortKey(int clave);
    // 0 ascending, 1 descending.
    [[nodiscard]] int SortOrder() const { return sentidoOrden_; }
    void setSortOrder(int sentido);

    // Sorting on, by `clave` in `sentido`, with one sort of the rows.
    void OrdenaPor(int clave, int sentido);

signals:
    // A header was clicked: its column, from 1.
    void ColumnClick(int columna);
    // A key was pressed in the list: the suite's key code and shift state (1 Shift, 2 Ctrl, 4 Alt).
    // Enter is consumed here (the list does nothing else with it).
    void KeyDown(int KeyCode, int Shift);
    void DblClick();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void keyboardSearch(const QString&) override { }

private:
    void ordena();
    void anchoArrastrado(int seccion, int nuevo);
    void compruebaItem(int item) const;
    void compruebaColumna(int columna) const;
    [[nodiscard]] ModeloListView::Estilo& estilo(int item, int k);

    ModeloListView* modelo_;
    bool checkboxes_ = false;
    bool ordenada_ = false;
    int claveOrden_ = 0;
    int sentidoOrden_ = 0;
    bool fijandoAncho_ = false;
    bool enCarga_ = false;
};
