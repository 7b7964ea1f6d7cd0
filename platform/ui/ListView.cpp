#include "platform/ui/ListView.h"

#include "platform/ui/Twips.h"
#include "runtime/ErrorVB.h"
#include "runtime/Teclas.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

#include <algorithm>

namespace {

// The keys of the digit row by their position, the keyboard's own code (1 is 10 … 9 is 18, 0 is 19).
constexpr quint32 PrimeraTeclaDigito = 10;
constexpr quint32 TeclaCero = 19;

// The suite's number of a key: the keypad's digits are 96 … 105; a key of the digit row is its
// digit's code whatever the shift (Qt names the shifted symbol, "!" for Shift+1, and on several
// European keyboards Shift is how digits are typed); everything else as Teclas says.
int codigoTecla(const QKeyEvent& evento)
{
    const int tecla = evento.key();
    if ((evento.modifiers() & Qt::KeypadModifier) && tecla >= Qt::Key_0 && tecla <= Qt::Key_9)
        return 96 + (tecla - Qt::Key_0);
    const quint32 posicion = evento.nativeScanCode();
    if ((evento.modifiers() & Qt::ShiftModifier) && !(evento.modifiers() & Qt::KeypadModifier)
        && posicion >= PrimeraTeclaDigito && posicion <= TeclaCero)
        return posicion == TeclaCero ? Qt::Key_0 : Qt::Key_1 + static_cast<int>(posicion - PrimeraTeclaDigito);
    return Teclas::CodigoDeTecla(tecla);
}

int estadoMayusculas(Qt::KeyboardModifiers modificadores)
{
    return ((modificadores & Qt::ShiftModifier) ? 1 : 0) | ((modificadores & Qt::ControlModifier) ? 2 : 0)
        | ((modificadores & Qt::AltModifier) ? 4 : 0);
}

} // namespace

ListView::ListView(QWidget* parent) : QTreeView(parent), modelo_(new ModeloListView(this))
{
    setModel(modelo_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int seccion) { emit ColumnClick(seccion + 1); });
    connect(header(), &QHeaderView::sectionResized, this,
            [this](int seccion, int, int nuevo) { anchoArrastrado(seccion, nuevo); });
}

ListView::~ListView() = default;

void ListView::compruebaItem(int item) const
{
    if (item < 1 || item > CantidadItems())
        throw ErrorVB(35600, QStringLiteral("Índice fuera de los límites"), QStringLiteral("ListView"));
}

void ListView::compruebaColumna(int columna) const
{
    if (columna < 1 || columna > CantidadColumnas())
        throw ErrorVB(35600, QStringLiteral("Índice fuera de los límites"), QStringLiteral("ListView"));
}

void ListView::AgregaColumna(const QString& titulo, int anchoTwips)
{
    modelo_->agregaColumna({titulo, anchoTwips});
    const int seccion = CantidadColumnas() - 1;
    fijandoAncho_ = true;
    header()->resizeSection(seccion, Twips::aPixelesX(anchoTwips, this));
    fijandoAncho_ = false;
}

void ListView::LimpiaColumnas()
{
    modelo_->limpiaColumnas();
}

int ListView::CantidadColumnas() const
{
    return modelo_->columnCount();
}

QString ListView::TituloColumna(int columna) const
{
    compruebaColumna(columna);
    return modelo_->columnas()[columna - 1].titulo;
}

int ListView::IzquierdaColumna(int columna) const
{
    compruebaColumna(columna);
    int izquierda = 0;
    for (int i = 0; i < columna - 1; ++i)
        izquierda += modelo_->columnas()[i].anchoTwips;
    return izquierda;
}

int ListView::AnchoColumna(int columna) const
{
    compruebaColumna(columna);
    return modelo_->columnas()[columna - 1].anchoTwips;
}

void ListView::setAnchoColumna(int columna, int anchoTwips)
{
    compruebaColumna(columna);
    modelo_->columnas()[columna - 1].anchoTwips = anchoTwips;
    fijandoAncho_ = true;
    header()->resizeSection(columna - 1, Twips::aPixelesX(anchoTwips, this));
    fijandoAncho_ = false;
}

void ListView::anchoArrastrado(int seccion, int nuevo)
{
    if (!fijandoAncho_ && seccion < CantidadColumnas())
        modelo_->columnas()[seccion].anchoTwips = Twips::desdePixelesX(nuevo, this);
}

int ListView::CantidadItems() const
{
    return modelo_->cantidad();
}

int ListView::AgregaItem(const QString& texto)
{
    ModeloListView::Item nuevo;
    nuevo.textos.reserve(std::max(CantidadColumnas(), 1));
    nuevo.textos.append(texto);
    if (enCarga_) {
        modelo_->agregaEnCarga(std::move(nuevo));
        return CantidadItems();
    }
    const int fila = ordenada_ ? modelo_->posicionOrdenada(texto, claveOrden_, sentidoOrden_ == 1) : CantidadItems();
    modelo_->inserta(fila, std::move(nuevo));
    return fila + 1;
}

void ListView::LimpiaItems()
{
    modelo_->limpiaItems();
}

QString ListView::Texto(int item) const
{
    return SubItem(item, 0);
}

void ListView::setTexto(int item, const QString& texto)
{
    setSubItem(item, 0, texto);
}

QString ListView::SubItem(int item, int k) const
{
    compruebaItem(item);
    const auto& textos = modelo_->item(item - 1).textos;
    return k >= 0 && k < textos.size() ? textos[k] : QString();
}

int ListView::PrimeroQueEmpieza(int k, QStringView prefijo) const
{
    return k < 0 ? 0 : modelo_->primeraQueEmpieza(k, prefijo) + 1;
}

void ListView::setSubItem(int item, int k, const QString& texto)
{
    compruebaItem(item);
    if (k < 0 || (k > 0 && k >= CantidadColumnas()))
        throw ErrorVB(380, QStringLiteral("Valor de propiedad no válido"), QStringLiteral("ListView"));
    modelo_->setTexto(item - 1, k, texto);
    if (!enCarga_)
        modelo_->celdaCambiada(item - 1, k, {Qt::DisplayRole});
}

ModeloListView::Estilo& ListView::estilo(int item, int k)
{
    compruebaItem(item);
    if (k < 0 || (k > 0 && k >= CantidadColumnas()))
        throw ErrorVB(380, QStringLiteral("Valor de propiedad no válido"), QStringLiteral("ListView"));
    auto& estilos = modelo_->item(item - 1).estilos;
    while (estilos.size() <= k)
        estilos.append(ModeloListView::Estilo());
    return estilos[k];
}

void ListView::setNegrita(int item, int k, bool negrita)
{
    estilo(item, k).negrita = negrita;
    if (!enCarga_)
        modelo_->celdaCambiada(item - 1, k, {Qt::FontRole});
}

bool ListView::Negrita(int item, int k) const
{
    compruebaItem(item);
    const auto& estilos = modelo_->item(item - 1).estilos;
    return k >= 0 && k < estilos.size() && estilos[k].negrita;
}

void ListView::setColorTexto(int item, int k, ColorOle color)
{
    estilo(item, k).color = color;
    if (!enCarga_)
        modelo_->celdaCambiada(item - 1, k, {Qt::ForegroundRole});
}

ColorOle ListView::ColorTexto(int item, int k) const
{
    compruebaItem(item);
    const auto& estilos = modelo_->item(item - 1).estilos;
    if (k >= 0 && k < estilos.size() && estilos[k].color)
        return *estilos[k].color;
    return ColorOle::DesdeQColor(palette().color(QPalette::Text));
}

bool ListView::Marcado(int item) const
{
    compruebaItem(item);
    return modelo_->item(item - 1).marcado;
}

void ListView::setMarcado(int item, bool marcado)
{
    compruebaItem(item);
    modelo_->item(item - 1).marcado = marcado;
    if (!enCarga_)
        modelo_->celdaCambiada(item - 1, 0, {Qt::CheckStateRole});
}

ListView::Carga::Carga(ListView& lista) : lista_(lista)
{
    lista_.enCarga_ = true;
}

ListView::Carga::~Carga()
{
    lista_.modelo_->terminaCarga();
    lista_.enCarga_ = false;
    if (lista_.ordenada_)
        lista_.ordena();
}

int ListView::ItemSeleccionado() const
{
    const QModelIndexList filas = selectionModel()->selectedRows();
    return filas.isEmpty() ? 0 : filas.first().row() + 1;
}

void ListView::setItemSeleccionado(int item)
{
    compruebaItem(item);
    const QModelIndex indice = modelo_->index(item - 1, 0);
    selectionModel()->setCurrentIndex(indice, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ListView::AseguraVisible(int item)
{
    compruebaItem(item);
    scrollTo(modelo_->index(item - 1, 0), QAbstractItemView::EnsureVisible);
}

void ListView::setCheckboxes(bool conCasillas)
{
    checkboxes_ = conCasillas;
    modelo_->setCasillas(conCasillas);
}

void ListView::setSorted(bool ordenada)
{
    ordenada_ = ordenada;
    if (ordenada_)
        ordena();
}

void ListView::setSortKey(int clave)
{
    claveOrden_ = clave;
    if (ordenada_)
        ordena();
}

void ListView::setSortOrder(int sentido)
{
    sentidoOrden_ = sentido == 1 ? 1 : 0;
    if (ordenada_)
        ordena();
}

void ListView::OrdenaPor(int clave, int sentido)
{
    claveOrden_ = clave;
    sentidoOrden_ = sentido == 1 ? 1 : 0;
    ordenada_ = true;
    ordena();
}

void ListView::ordena()
{
    if (CantidadItems() > 1)
        modelo_->ordena(claveOrden_, sentidoOrden_ == 1);
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(claveOrden_, sentidoOrden_ == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void ListView::keyPressEvent(QKeyEvent* evento)
{
    const int codigo = codigoTecla(*evento);
    emit KeyDown(codigo, estadoMayusculas(evento->modifiers()));
    if (codigo == Teclas::Enter) {
        evento->accept();
        return;
    }
    QTreeView::keyPressEvent(evento);
}

void ListView::mouseDoubleClickEvent(QMouseEvent* evento)
{
    QTreeView::mouseDoubleClickEvent(evento);
    emit DblClick();
}
