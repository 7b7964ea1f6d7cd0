#pragma once

#include <QHash>
#include <QString>
#include <QTreeWidget>

#include <vector>

// The tree control of the lookup dialogs: a QTreeWidget whose nodes carry a unique key, kept in
// the order they were added (their index). Nodes are the widget's own QTreeWidgetItems; Clave()
// and Indice() read what this control attached to them.
// NodeCheck is raised when the person changes a node's check box, never when the program does
// (setMarcado, Agrega, setCheckboxes).
class TreeView : public QTreeWidget {
    Q_OBJECT
public:
    // Where Agrega puts a node relative to another one.
    enum Relacion { tvwNext = 2, tvwChild = 4 };

    explicit TreeView(QWidget* parent);
    ~TreeView() override;

    // Adds a node with `clave` and `texto`: as the next sibling of the node keyed `relativa`
    // (tvwNext) or as its last child (tvwChild); at the top level, last, when `relativa` is empty.
    // Raises ErrorVB 35602 when the key is taken and 35601 when `relativa` names no node; nothing
    // is added then. A node added while check boxes are on starts unchecked.
    QTreeWidgetItem* Agrega(const QString& relativa, Relacion relacion, const QString& clave, const QString& texto);
    // Makes room for that many nodes in all, so that adding them does not grow the key index.
    void Reserva(int nodos);
    // Removes every node.
    void Limpia();

    [[nodiscard]] int Cuenta() const { return static_cast<int>(nodos_.size()); }
    // The node of that index (0 for the first added), or null.
    [[nodiscard]] QTreeWidgetItem* Nodo(int indice) const;
    // The node of that key (case respected), or null.
    [[nodiscard]] QTreeWidgetItem* NodoPorClave(const QString& clave) const { return porClave_.value(clave); }
    [[nodiscard]] static QString Clave(const QTreeWidgetItem* nodo);
    [[nodiscard]] static int Indice(const QTreeWidgetItem* nodo);

    // Every node shows a check box. Switching them on leaves every node unchecked.
    [[nodiscard]] bool Checkboxes() const { return checkboxes_; }
    void setCheckboxes(bool activas);
    [[nodiscard]] static bool Marcado(const QTreeWidgetItem* nodo);
    void setMarcado(QTreeWidgetItem* nodo, bool marcado);

    // The selected node (the current one), or null; selecting a node makes it current.
    [[nodiscard]] QTreeWidgetItem* SelectedItem() const;
    void setSelectedItem(QTreeWidgetItem* nodo);
    // Expands the node's ancestors and scrolls the node into view.
    void EnsureVisible(QTreeWidgetItem* nodo);

signals:
    void NodeCheck(QTreeWidgetItem* nodo);

private:
    void avisaCambio(QTreeWidgetItem* nodo, int columna);

    std::vector<QTreeWidgetItem*> nodos_;
    QHash<QString, QTreeWidgetItem*> porClave_;
    bool checkboxes_ = false;
    bool cambiaPrograma_ = false;
};
