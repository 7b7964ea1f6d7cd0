#include "platform/ui/ModeloListView_p.h"

#include <QCollator>
#include <QFont>
#include <QLocale>

#include <algorithm>
#include <numeric>

namespace {

const QString& textoCelda(const ModeloListView::Item& item, int columna)
{
    static const QString vacio;
    return columna < item.textos.size() ? item.textos[columna] : vacio;
}

const ModeloListView::Estilo* estiloCelda(const ModeloListView::Item& item, int columna)
{
    return columna < item.estilos.size() ? &item.estilos[columna] : nullptr;
}

QCollator cotejador()
{
    QCollator resultado(QLocale(QLocale::Spanish, QLocale::Spain));
    resultado.setCaseSensitivity(Qt::CaseInsensitive);
    resultado.setNumericMode(false);
    return resultado;
}

} // namespace

int ModeloListView::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : static_cast<int>(items_.size());
}

int ModeloListView::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : static_cast<int>(columnas_.size());
}

QVariant ModeloListView::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid())
        return {};
    const Item& fila = item(indice.row());
    switch (rol) {
    case Qt::DisplayRole:
        return textoCelda(fila, indice.column());
    case Qt::CheckStateRole:
        if (casillas_ && indice.column() == 0)
            return fila.marcado ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::FontRole:
        if (const Estilo* estilo = estiloCelda(fila, indice.column()); estilo && estilo->negrita) {
            QFont negrita;
            negrita.setBold(true);
            return negrita;
        }
        return {};
    case Qt::ForegroundRole:
        if (const Estilo* estilo = estiloCelda(fila, indice.column()); estilo && estilo->color)
            return estilo->color->aQColor();
        return {};
    default:
        return {};
    }
}

bool ModeloListView::setData(const QModelIndex& indice, const QVariant& valor, int rol)
{
    if (rol != Qt::CheckStateRole || !casillas_ || indice.column() != 0)
        return false;
    item(indice.row()).marcado = valor.toInt() == Qt::Checked;
    emit dataChanged(indice, indice, {Qt::CheckStateRole});
    return true;
}

QVariant ModeloListView::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion == Qt::Horizontal && rol == Qt::DisplayRole && seccion < columnas_.size())
        return columnas_[seccion].titulo;
    return {};
}

Qt::ItemFlags ModeloListView::flags(const QModelIndex& indice) const
{
    if (!indice.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags resultado = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (casillas_ && indice.column() == 0)
        resultado |= Qt::ItemIsUserCheckable;
    return resultado;
}

void ModeloListView::celdaCambiada(int fila, int columna, const QList<int>& roles)
{
    if (columna < columnCount()) {
        const QModelIndex celda = index(fila, columna);
        emit dataChanged(celda, celda, roles);
    }
}

void ModeloListView::setTexto(int fila, int columna, const QString& texto)
{
    auto& textos = item(fila).textos;
    while (textos.size() <= columna)
        textos.append(QString());
    textos[columna] = texto;
    if (static_cast<size_t>(columna) < indices_.size())
        indices_[static_cast<size_t>(columna)].reset();
}

int ModeloListView::primeraQueEmpieza(int columna, QStringView prefijo) const
{
    if (indices_.size() <= static_cast<size_t>(columna))
        indices_.resize(static_cast<size_t>(columna) + 1);
    auto& indice = indices_[static_cast<size_t>(columna)];
    if (!indice) {
        std::vector<QString> textos;
        textos.reserve(static_cast<size_t>(cantidad()));
        for (int fila = 0; fila < cantidad(); ++fila)
            textos.push_back(textoCelda(item(fila), columna));
        indice = std::make_unique<IndicePrefijos>(std::move(textos));
    }
    return indice->PrimeraFila(prefijo);
}

void ModeloListView::agregaEnCarga(Item nuevo)
{
    pendientes_.push_back(std::move(nuevo));
    olvidaIndices();
}

void ModeloListView::inserta(int fila, Item nuevo)
{
    olvidaIndices();
    beginInsertRows({}, fila, fila);
    items_.insert(items_.begin() + fila, std::move(nuevo));
    endInsertRows();
}

ModeloListView::Item& ModeloListView::item(int fila)
{
    const auto posicion = static_cast<size_t>(fila);
    return posicion < items_.size() ? items_[posicion] : pendientes_[posicion - items_.size()];
}

const ModeloListView::Item& ModeloListView::item(int fila) const
{
    const auto posicion = static_cast<size_t>(fila);
    return posicion < items_.size() ? items_[posicion] : pendientes_[posicion - items_.size()];
}

void ModeloListView::terminaCarga()
{
    if (pendientes_.empty())
        return;
    const int primera = static_cast<int>(items_.size());
    beginInsertRows({}, primera, primera + static_cast<int>(pendientes_.size()) - 1);
    items_.insert(items_.end(), std::make_move_iterator(pendientes_.begin()),
                  std::make_move_iterator(pendientes_.end()));
    pendientes_.clear();
    endInsertRows();
    olvidaIndices();
}

void ModeloListView::limpiaItems()
{
    if (items_.empty())
        return;
    beginRemoveRows({}, 0, static_cast<int>(items_.size()) - 1);
    items_.clear();
    olvidaIndices();
    endRemoveRows();
}

void ModeloListView::agregaColumna(const Columna& columna)
{
    const int posicion = static_cast<int>(columnas_.size());
    beginInsertColumns({}, posicion, posicion);
    columnas_.append(columna);
    endInsertColumns();
}

void ModeloListView::limpiaColumnas()
{
    if (columnas_.isEmpty())
        return;
    beginRemoveColumns({}, 0, static_cast<int>(columnas_.size()) - 1);
    columnas_.clear();
    endRemoveColumns();
}

void ModeloListView::setCasillas(bool casillas)
{
    if (casillas_ == casillas)
        return;
    casillas_ = casillas;
    if (!items_.empty() && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}

void ModeloListView::ordena(int columna, bool descendente)
{
    const QCollator cotejo = cotejador();
    std::vector<QCollatorSortKey> claves;
    claves.reserve(items_.size());
    for (const Item& fila : items_)
        claves.push_back(cotejo.sortKey(textoCelda(fila, columna)));
    std::vector<int> orden(items_.size());
    std::iota(orden.begin(), orden.end(), 0);
    std::stable_sort(orden.begin(), orden.end(), [&](int a, int b) {
        const int comparacion = claves[static_cast<size_t>(a)].compare(claves[static_cast<size_t>(b)]);
        return descendente ? comparacion > 0 : comparacion < 0;
    });

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> nuevaPosicion(items_.size());
    std::vector<Item> ordenados;
    ordenados.reserve(items_.size());
    for (size_t i = 0; i < orden.size(); ++i) {
        nuevaPosicion[static_cast<size_t>(orden[i])] = static_cast<int>(i);
        ordenados.push_back(std::move(items_[static_cast<size_t>(orden[i])]));
    }
    items_ = std::move(ordenados);
    olvidaIndices();
    const QModelIndexList antes = persistentIndexList();
    QModelIndexList despues;
    despues.reserve(antes.size());
    for (const QModelIndex& indice : antes)
        despues.append(index(nuevaPosicion[static_cast<size_t>(indice.row())], indice.column()));
    changePersistentIndexList(antes, despues);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int ModeloListView::posicionOrdenada(const QString& texto, int columna, bool descendente) const
{
    const QCollator cotejo = cotejador();
    const auto despues
        = std::upper_bound(items_.begin(), items_.end(), texto, [&](const QString& nuevo, const Item& fila) {
              const int comparacion = cotejo.compare(nuevo, textoCelda(fila, columna));
              return descendente ? comparacion > 0 : comparacion < 0;
          });
    return static_cast<int>(despues - items_.begin());
}
