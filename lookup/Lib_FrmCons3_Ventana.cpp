// The window of the list lookup: its controls, their wiring, and the geometry kept in twips.
#include "lookup/Lib_FrmCons3.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Twips.h"

#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>

namespace {

// The window's design sizes, in twips.
constexpr int AnchoInicial = 9600;
constexpr int AltoInicial = 6600;
constexpr int AltoCaja = 315;
constexpr int ArribaLista = 360;
constexpr int AnchoMarco = 4350;
constexpr int AltoMarco = 495;
constexpr int AnchoBoton = 1335;
constexpr int AltoBoton = 375;
constexpr int AltoBarra = 255;

} // namespace

void Lib_FrmCons3::creaControles()
{
    setWindowTitle(QStringLiteral("Consulta..."));
    // A sizable window with a tool window's narrow title bar.
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Tool);
    // The window was laid out in twips for the suite's small sans-serif face; a larger default face
    // would cut the buttons' captions.
    QFont fuente(QStringLiteral("Liberation Sans"));
    fuente.setPointSizeF(8.25);
    setFont(fuente);
    setSizeGripEnabled(true);
    panel_ = new QWidget(this);
    panel_->setObjectName(QStringLiteral("picFields"));
    lista_ = new ListView(panel_);
    lista_->setObjectName(QStringLiteral("ListView1"));
    creaCaja(0);
    barra_ = new QScrollBar(Qt::Horizontal, this);
    barra_->setObjectName(QStringLiteral("HScroll1"));
    marco_ = new QWidget(this);
    marco_->setObjectName(QStringLiteral("Frame1"));
    aceptar_ = new QPushButton(QStringLiteral("&Aceptar"), marco_);
    cancelar_ = new QPushButton(QStringLiteral("&Cancelar"), marco_);
    nueva_ = new QPushButton(QStringLiteral("&Nueva Busqueda"), marco_);
    aceptar_->setDefault(true);
    f12_ = new QShortcut(QKeySequence(Qt::Key_F12), this);
    f12_->setContext(Qt::WindowShortcut);
    f12_->setEnabled(false);

    coloca(this, {0, 0, AnchoInicial, AltoInicial});
    coloca(panel_, {0, 0, AnchoInicial - 120, AltoInicial - AltoMarco - 480});
    coloca(marco_, {(AnchoInicial - AnchoMarco) / 2, AltoInicial - AltoMarco - 420, AnchoMarco, AltoMarco});
    int izquierda = 60;
    for (QPushButton* boton : {aceptar_, cancelar_, nueva_}) {
        coloca(boton, {izquierda, 60, AnchoBoton, AltoBoton});
        izquierda += AnchoBoton + 105;
    }
    coloca(barra_, {0, 0, AnchoInicial - 120, AltoBarra});
}

QComboBox* Lib_FrmCons3::creaCaja(int indice)
{
    auto* caja = new QComboBox(panel_);
    caja->setObjectName(QStringLiteral("CmbSearch%1").arg(indice));
    caja->setEditable(true);
    caja->setInsertPolicy(QComboBox::NoInsert);
    caja->setToolTip(QStringLiteral("F5 realiza nueva busqueda"));
    caja->installEventFilter(this);
    caja->lineEdit()->installEventFilter(this);
    connect(caja, &QComboBox::editTextChanged, this, [this, indice] { busquedaIncremental(indice); });
    coloca(caja, {0, 0, 1200, AltoCaja});
    cajas_.push_back(caja);
    if (indice > 0)
        QWidget::setTabOrder(cajas_[static_cast<size_t>(indice) - 1], caja);
    return caja;
}

void Lib_FrmCons3::conectaEventos()
{
    connect(aceptar_, &QPushButton::clicked, this, &Lib_FrmCons3::CmdAceptar_Click);
    connect(cancelar_, &QPushButton::clicked, this, &Lib_FrmCons3::CmdCancelar_Click);
    connect(nueva_, &QPushButton::clicked, this, &Lib_FrmCons3::CmdNueva_Click);
    connect(lista_, &ListView::DblClick, this, &Lib_FrmCons3::CmdAceptar_Click);
    connect(lista_, &ListView::KeyDown, this, &Lib_FrmCons3::ListView1_KeyDown);
    connect(lista_, &ListView::ColumnClick, this, &Lib_FrmCons3::ListView1_ColumnClick);
    connect(barra_, &QScrollBar::valueChanged, this, [this](int valor) {
        Geometria panel = geometria(panel_);
        panel.izquierda = -valor;
        coloca(panel_, panel);
    });
    connect(f12_, &QShortcut::activated, this, &Lib_FrmCons3::InformaFaltante);
}

void Lib_FrmCons3::reject()
{
    CmdCancelar_Click();
}

void Lib_FrmCons3::coloca(QWidget* control, const Geometria& medida)
{
    const auto guardada = std::find_if(geometrias_.begin(), geometrias_.end(),
                                       [control](const auto& par) { return par.first == control; });
    if (guardada == geometrias_.end())
        geometrias_.emplace_back(control, medida);
    else
        guardada->second = medida;
    const int ancho = Twips::aPixelesX(std::max(medida.ancho, 0), control);
    const int alto = Twips::aPixelesY(std::max(medida.alto, 0), control);
    // The window's size is its outer size, title bar and borders included.
    if (control == this)
        resize(ancho - (frameGeometry().width() - width()), alto - (frameGeometry().height() - height()));
    else
        control->setGeometry(Twips::aPixelesX(medida.izquierda, control), Twips::aPixelesY(medida.arriba, control),
                             ancho, alto);
}

Lib_FrmCons3::Geometria Lib_FrmCons3::geometria(const QWidget* control) const
{
    // What the dialog set stays exact while the control still has that size in pixels; a size the
    // person changed is read back from the pixels.
    const QRect actual = control == this ? QRect(QPoint(0, 0), frameGeometry().size()) : control->geometry();
    const Geometria desdePixeles{Twips::desdePixelesX(actual.x(), control), Twips::desdePixelesY(actual.y(), control),
                                 Twips::desdePixelesX(actual.width(), control),
                                 Twips::desdePixelesY(actual.height(), control)};
    const auto guardada = std::find_if(geometrias_.begin(), geometrias_.end(),
                                       [control](const auto& par) { return par.first == control; });
    if (guardada == geometrias_.end())
        return desdePixeles;
    const Geometria& g = guardada->second;
    const bool igual = Twips::aPixelesX(std::max(g.ancho, 0), control) == actual.width()
        && Twips::aPixelesY(std::max(g.alto, 0), control) == actual.height()
        && (control == this
            || (Twips::aPixelesX(g.izquierda, control) == actual.x()
                && Twips::aPixelesY(g.arriba, control) == actual.y()));
    return igual ? g : desdePixeles;
}

int Lib_FrmCons3::AnchoTwips(const QWidget& control) const
{
    return geometria(&control).ancho;
}

int Lib_FrmCons3::IzquierdaTwips(const QWidget& control) const
{
    return geometria(&control).izquierda;
}

void Lib_FrmCons3::colocaEnPantalla(bool centra)
{
    if (!isVisible())
        return;
    const QScreen* pantalla = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect disponible = pantalla->availableGeometry();
    QRect marco = frameGeometry();
    if (centra)
        marco.moveCenter(disponible.center());
    // Never past the right or bottom edge, and never past the left or top one when it is larger.
    marco.moveLeft(std::max(disponible.left(), std::min(marco.left(), disponible.right() - marco.width() + 1)));
    marco.moveTop(std::max(disponible.top(), std::min(marco.top(), disponible.bottom() - marco.height() + 1)));
    move(marco.topLeft());
}

void Lib_FrmCons3::resizeEvent(QResizeEvent* evento)
{
    QDialog::resizeEvent(evento);
    ajustaTamano();
}

void Lib_FrmCons3::ajustaTamano()
{
    const Geometria ventana = geometria(this);
    const Geometria marco = geometria(marco_);
    Geometria panel = geometria(panel_);
    Geometria lista = geometria(lista_);
    Geometria barra = geometria(barra_);
    panel.alto = ventana.alto - marco.alto - 480;
    lista.alto = panel.alto - marco.alto - 600;
    panel.ancho = ventana.ancho - 120;
    lista.ancho = panel.ancho - 20;
    lista.arriba = ArribaLista;
    barra.arriba = panel.alto - barra.alto - 120;
    barra.ancho = ventana.ancho - 120;
    coloca(panel_, panel);
    coloca(lista_, lista);
    coloca(barra_, barra);
    coloca(marco_, {ventana.ancho / 2 - marco.ancho / 2, ventana.alto - marco.alto - 420, marco.ancho, marco.alto});
}
