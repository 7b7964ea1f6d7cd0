#include "lookup/Lib_FrmCons3Tree.h"

#include "data/DB_Dll.h"
#include "lookup/SentenciaConsulta.h"
#include "platform/ui/TreeView.h"
#include "platform/ui/Twips.h"
#include "runtime/FuncionesVB.h"
#include "runtime/PasosAtrapados.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using FuncionesVB::IgualSinCaso;
using FuncionesVB::Trim;

namespace {

const QString kClaveRaiz = QStringLiteral("A");

// The lookup behind each returned field: the table that holds the code, and its key field.
struct Destino {
    QLatin1StringView campo;
    QLatin1StringView tabla;
};
constexpr Destino kDestinos[] = {
    {QLatin1StringView("IDFAMILIA"), QLatin1StringView("V_TA_FAMILIAS")},
    {QLatin1StringView("IDPOSICION"), QLatin1StringView("MA_POSICIONES")},
    {QLatin1StringView("CODIGO"), QLatin1StringView("TA_CCOSTO")},
};

const Destino* destinoDe(const QString& campo)
{
    for (const Destino& d : kDestinos)
        if (IgualSinCaso(Trim(campo), d.campo))
            return &d;
    return nullptr;
}

QString codigoDe(const QTreeWidgetItem* nodo)
{
    return TreeView::Clave(nodo).mid(1);
}

// Checks reach children, grandchildren and great-grandchildren of the changed node, no deeper.
constexpr int kNivelesPropagados = 3;

} // namespace

Lib_FrmCons3Tree::Lib_FrmCons3Tree(QWidget* parent) : QDialog(parent)
{
    creaControles();
    colocaControles();
    conectaEventos();
}

Lib_FrmCons3Tree::~Lib_FrmCons3Tree() = default;

void Lib_FrmCons3Tree::creaControles()
{
    setWindowTitle(QStringLiteral("Consulta..."));
    picFields = new QWidget(this);
    CmbSearch = new QComboBox(picFields);
    CmbSearch->setEditable(true);
    CmbSearch->setInsertPolicy(QComboBox::NoInsert);
    CmbSearch->setToolTip(QStringLiteral("F5 realiza nueva busqueda"));
    TreeV = new TreeView(picFields);
    Frame1 = new QWidget(this);
    CmdAceptar = new QPushButton(QStringLiteral("&Aceptar"), Frame1);
    CmdAceptar->setDefault(true);
    CmdCancelar = new QPushButton(QStringLiteral("&Cancelar"), Frame1);
    CmdNueva = new QPushButton(QStringLiteral("&Nueva Busqueda"), Frame1);
    for (QPushButton* boton : {CmdAceptar, CmdCancelar, CmdNueva})
        boton->setAutoDefault(false);
    CmdAceptar->setDefault(true);
}

// A fixed layout: the controls keep their places when the window is resized.
void Lib_FrmCons3Tree::colocaControles()
{
    resize(Twips::aPixelesX(6720, this), Twips::aPixelesY(6360, this));
    Twips::coloca(picFields, 120, 120, 6480, 5400);
    Twips::coloca(CmbSearch, 0, 0, 6480, 315);
    Twips::coloca(TreeV, 0, 330, 6480, 5070);
    Twips::coloca(Frame1, 120, 5640, 6480, 600);
    Twips::coloca(CmdAceptar, 0, 60, 1560, 435);
    Twips::coloca(CmdCancelar, 1680, 60, 1560, 435);
    Twips::coloca(CmdNueva, 3360, 60, 1800, 435);
}

void Lib_FrmCons3Tree::conectaEventos()
{
    connect(CmbSearch, &QComboBox::editTextChanged, this, &Lib_FrmCons3Tree::Busca);
    connect(CmbSearch, &QComboBox::textActivated, this, &Lib_FrmCons3Tree::Busca);
    CmbSearch->installEventFilter(this);
    CmbSearch->lineEdit()->installEventFilter(this);
    connect(CmdAceptar, &QPushButton::clicked, this, &Lib_FrmCons3Tree::Acepta);
    connect(TreeV, &QTreeWidget::itemDoubleClicked, this, &Lib_FrmCons3Tree::Acepta);
    connect(CmdCancelar, &QPushButton::clicked, this, &Lib_FrmCons3Tree::reject);
    connect(CmdNueva, &QPushButton::clicked, this, &Lib_FrmCons3Tree::ArmarTreeVAutomatico);
    connect(TreeV, &TreeView::NodeCheck, this, &Lib_FrmCons3Tree::cambiaMarca);
}

void Lib_FrmCons3Tree::showEvent(QShowEvent* evento)
{
    if (!cargado_) {
        cargado_ = true;
        Carga();
    }
    QDialog::showEvent(evento);
}

void Lib_FrmCons3Tree::Carga()
{
    EjecutaPasos({
                     [&] { Valores = std::make_shared<QVariantList>(); },
                     [&] { TreeV->Limpia(); },
                     [&] { TreeV->setCheckboxes(CheckBoxes); },
                     [&] { ArmarTreeVAutomatico(); },
                 },
                 [&](const ErrorVB& e) { return runtime_.ReportaError(e, QStringLiteral("FORM_LOAD")); });
}

void Lib_FrmCons3Tree::ArmarTreeVAutomatico()
{
    const auto reporta
        = [&](const ErrorVB& e) { return runtime_.ReportaError(e, QStringLiteral("ArmarTreeVAutomatico")); };
    DB_Dll& db = DB_Dll::Compartido();
    ado::Recordset rs;
    QTreeWidgetItem* actual = nullptr;
    bool conFilas = false;
    const bool completo = EjecutaPasos(
        {
            [&] { TreeV->Limpia(); },
            [&] {
                actual = TreeV->Agrega({}, TreeView::tvwNext, kClaveRaiz, QStringLiteral("Consulta..."));
                actual->setExpanded(true);
            },
            [&] {
                // The query service writes its synonym form back into the text it is given; SQL
                // keeps the caller's table names, so that a later search does not apply it twice.
                QString texto = SQL;
                db.AbrirRecordset(texto, &rs, &db.gCnn(), ado::adOpenDynamic, ado::adLockReadOnly, -1, true);
            },
            [&] { conFilas = !(rs.Bof() && rs.Eof()); },
            [&] {
                if (conFilas) {
                    rs.MoveFirst();
                    rs.MoveLast();
                    rs.MoveFirst();
                    TreeV->Reserva(rs.RecordCount() + 1);
                }
            },
        },
        reporta);
    if (!completo || !conFilas || !actual)
        return;

    auto campos = rs.Fields();
    for (; !rs.Eof(); rs.MoveNext()) {
        const bool sigue
            = EjecutaPasos({[&] {
                               const QString codigo = runtime_.ValorCampo(campos.Item(0).Value()).toString();
                               const QString clave = kClaveRaiz + codigo;
                               const QString texto = codigo + QStringLiteral(" - ")
                                   + runtime_.ValorCampo(campos.Item(1).Value()).toString();
                               while (actual->parent() && clave.size() < TreeView::Clave(actual).size())
                                   actual = actual->parent();
                               actual = TreeV->Agrega(TreeView::Clave(actual),
                                                      clave.size() > TreeView::Clave(actual).size() ? TreeView::tvwChild
                                                                                                    : TreeView::tvwNext,
                                                      clave, texto);
                           }},
                           reporta);
        if (!sigue)
            return;
    }
}

void Lib_FrmCons3Tree::Busca(const QString& texto)
{
    EjecutaPasos({[&] {
                     for (int i = 0; i < TreeV->Cuenta(); ++i) {
                         QTreeWidgetItem* nodo = TreeV->Nodo(i);
                         const QString completo = nodo->text(0);
                         const qsizetype guion = completo.indexOf(u'-');
                         const QString descripcion = Trim(guion < 0 ? completo : completo.mid(guion + 1));
                         const bool porCodigo
                             = guion >= 0 && Trim(completo.left(guion)).startsWith(texto, Qt::CaseInsensitive);
                         if (porCodigo || descripcion.startsWith(texto, Qt::CaseInsensitive)) {
                             TreeV->setSelectedItem(nodo);
                             TreeV->EnsureVisible(nodo);
                             return;
                         }
                     }
                 }},
                 IgnoraErrores);
}

void Lib_FrmCons3Tree::BuscaEnServidor()
{
    EjecutaPasos({
                     [&] {
                         const QString texto = CmbSearch->currentText();
                         if (!texto.isEmpty())
                             SQL = SentenciaConsulta::AgregaCondicion(SQL,
                                                                      QStringLiteral("Descripcion like '%")
                                                                          + SentenciaConsulta::CuerpoLiteral(texto)
                                                                          + QStringLiteral("%' "));
                     },
                     [&] { CmbSearch->setEditText(QString()); },
                     [&] { Carga(); },
                 },
                 IgnoraErrores);
}

bool Lib_FrmCons3Tree::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(evento)->key()) {
        case Qt::Key_F5:
            BuscaEnServidor();
            return true;
        case Qt::Key_Down:
        case Qt::Key_Up:
        case Qt::Key_PageDown:
        case Qt::Key_PageUp:
            TreeV->setFocus();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void Lib_FrmCons3Tree::cambiaMarca(QTreeWidgetItem* nodo)
{
    const bool marcado = TreeView::Marcado(nodo);
    const auto propaga = [&](auto&& self, QTreeWidgetItem* padre, int niveles) -> void {
        if (niveles == 0)
            return;
        for (int i = 0; i < padre->childCount(); ++i) {
            TreeV->setMarcado(padre->child(i), marcado);
            self(self, padre->child(i), niveles - 1);
        }
    };
    propaga(propaga, nodo, kNivelesPropagados);
}

void Lib_FrmCons3Tree::Acepta()
{
    DB_Dll& db = DB_Dll::Compartido();
    const Destino* destino = destinoDe(CampoDevuelto);
    // The value of the returned field in the row of the code's table, or nothing without one.
    const auto buscaEnTabla = [&](const QString& codigo) -> std::optional<QString> {
        ado::Recordset rs;
        if (!db.ExisteEnTabla(QString(destino->tabla), codigo, QString(destino->campo), &rs, 8, {}))
            return std::nullopt;
        return runtime_.ValorCampo(rs.Fields().Item(CampoDevuelto).Value()).toString();
    };
    const bool completo
        = EjecutaPasos({[&] {
                           if (!destino)
                               return;
                           if (CheckBoxes) {
                               if (!Valores)
                                   Valores = std::make_shared<QVariantList>();
                               for (int i = 0; i < TreeV->Cuenta(); ++i) {
                                   QTreeWidgetItem* nodo = TreeV->Nodo(i);
                                   if (!TreeView::Marcado(nodo))
                                       continue;
                                   // Families and cost centres return the code itself; positions the stored value.
                                   if (destino->campo == QLatin1StringView("IDPOSICION")) {
                                       if (const auto valor = buscaEnTabla(codigoDe(nodo)))
                                           Valores->append(*valor);
                                   } else {
                                       Valores->append(Trim(codigoDe(nodo)));
                                   }
                               }
                           } else if (QTreeWidgetItem* nodo = TreeV->SelectedItem()) {
                               ValorDevuelto = buscaEnTabla(codigoDe(nodo)).value_or(QString());
                           }
                       }},
                       [&](const ErrorVB& e) { return runtime_.ReportaError(e, QStringLiteral("CmdAceptar_Click")); });
    if (completo)
        accept();
}

void Lib_FrmCons3Tree::reject()
{
    ValorDevuelto = QStringLiteral("");
    CmpsDevueltos.reset();
    Valores.reset();
    QDialog::reject();
}
