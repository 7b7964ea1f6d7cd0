#include "platform/ui/TreeView.h"

#include "runtime/ErrorVB.h"

#include <QScopedValueRollback>

namespace {

constexpr int32_t kElementoNoEncontrado = 35601;
constexpr int32_t kClaveRepetida = 35602;

// A node remembers its key and its index without going through the model's data roles, so that
// adding one costs little more than the widget's own item.
class NodoArbol : public QTreeWidgetItem {
public:
    static constexpr int kTipo = QTreeWidgetItem::UserType + 1;
    NodoArbol(QString clave, int indice) : QTreeWidgetItem(kTipo), clave(std::move(clave)), indice(indice) { }
    QString clave;
    int indice;
};

const NodoArbol* comoNodo(const QTreeWidgetItem* item)
{
    return item && item->type() == NodoArbol::kTipo ? static_cast<const NodoArbol*>(item) : nullptr;
}

} // namespace

TreeView::TreeView(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemChanged, this, &TreeView::avisaCambio);
}

TreeView::~TreeView() = default;

QTreeWidgetItem* TreeView::Agrega(const QString& relativa, Relacion relacion, const QString& clave,
                                  const QString& texto)
{
    QTreeWidgetItem* pariente = nullptr;
    if (!relativa.isEmpty()) {
        pariente = porClave_.value(relativa);
        if (!pariente)
            throw ErrorVB(kElementoNoEncontrado, QStringLiteral("No se encontró el elemento \"%1\".").arg(relativa),
                          QStringLiteral("TreeView"));
    }
    // One look-up both tests the key and takes its place.
    QTreeWidgetItem*& lugar = porClave_[clave];
    if (lugar)
        throw ErrorVB(kClaveRepetida, QStringLiteral("La clave no es única en la colección: \"%1\".").arg(clave),
                      QStringLiteral("TreeView"));
    auto* nodo = new NodoArbol(clave, Cuenta());
    nodo->setText(0, texto);
    if (checkboxes_)
        nodo->setCheckState(0, Qt::Unchecked);

    // The item gets its data before it enters the tree, so the model announces nothing but the row.
    const QScopedValueRollback programa(cambiaPrograma_, true);
    if (!pariente) {
        addTopLevelItem(nodo);
    } else if (relacion == tvwChild) {
        pariente->addChild(nodo);
    } else {
        QTreeWidgetItem* padre = pariente->parent();
        // Siblings are mostly added after the last one; only an insertion elsewhere pays the search.
        const int cuantos = padre ? padre->childCount() : topLevelItemCount();
        const QTreeWidgetItem* ultimo = padre ? padre->child(cuantos - 1) : topLevelItem(cuantos - 1);
        const int posicion = ultimo == pariente
            ? cuantos
            : 1 + (padre ? padre->indexOfChild(pariente) : indexOfTopLevelItem(pariente));
        if (padre)
            padre->insertChild(posicion, nodo);
        else
            insertTopLevelItem(posicion, nodo);
    }
    nodos_.push_back(nodo);
    lugar = nodo;
    return nodo;
}

void TreeView::Reserva(int nodos)
{
    porClave_.reserve(nodos);
    nodos_.reserve(static_cast<size_t>(nodos));
}

void TreeView::Limpia()
{
    const QScopedValueRollback programa(cambiaPrograma_, true);
    clear();
    nodos_.clear();
    porClave_.clear();
}

QTreeWidgetItem* TreeView::Nodo(int indice) const
{
    return indice >= 0 && indice < Cuenta() ? nodos_[static_cast<size_t>(indice)] : nullptr;
}

QString TreeView::Clave(const QTreeWidgetItem* nodo)
{
    const auto* n = comoNodo(nodo);
    return n ? n->clave : QString();
}

int TreeView::Indice(const QTreeWidgetItem* nodo)
{
    const auto* n = comoNodo(nodo);
    return n ? n->indice : -1;
}

void TreeView::setCheckboxes(bool activas)
{
    checkboxes_ = activas;
    const QScopedValueRollback programa(cambiaPrograma_, true);
    for (QTreeWidgetItem* nodo : nodos_) {
        if (activas)
            nodo->setCheckState(0, Qt::Unchecked);
        else
            nodo->setData(0, Qt::CheckStateRole, QVariant());
    }
}

bool TreeView::Marcado(const QTreeWidgetItem* nodo)
{
    return nodo && nodo->data(0, Qt::CheckStateRole).toInt() == Qt::Checked;
}

void TreeView::setMarcado(QTreeWidgetItem* nodo, bool marcado)
{
    if (!nodo || !checkboxes_)
        return;
    const QScopedValueRollback programa(cambiaPrograma_, true);
    nodo->setCheckState(0, marcado ? Qt::Checked : Qt::Unchecked);
}

QTreeWidgetItem* TreeView::SelectedItem() const
{
    const auto elegidos = selectedItems();
    return elegidos.isEmpty() ? nullptr : elegidos.first();
}

void TreeView::setSelectedItem(QTreeWidgetItem* nodo)
{
    if (nodo)
        setCurrentItem(nodo);
}

void TreeView::EnsureVisible(QTreeWidgetItem* nodo)
{
    if (!nodo)
        return;
    for (QTreeWidgetItem* p = nodo->parent(); p; p = p->parent())
        p->setExpanded(true);
    scrollToItem(nodo);
}

void TreeView::avisaCambio(QTreeWidgetItem* nodo, int columna)
{
    // Texts never change once a node is in the tree, so a change the program did not make is the
    // person's click on the check box.
    if (!cambiaPrograma_ && columna == 0 && checkboxes_)
        emit NodeCheck(nodo);
}
