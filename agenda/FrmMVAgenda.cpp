#include "agenda/FrmMVAgenda.h"

#include "agenda/SentenciasAgenda.h"
#include "data/DB_Dll.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/MSFlexGrid.h"
#include "platform/ui/MonthView.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/Twips.h"
#include "runtime/CursorEspera.h"
#include "runtime/Reloj.h"
#include "runtime/SharedRuntime.h"
#include "startup/ModGlobal.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace {

QFont fuenteSerif(double puntos, bool negrita = false)
{
    QFont fuente(QStringLiteral("Liberation Serif"));
    fuente.setPointSizeF(puntos);
    fuente.setBold(negrita);
    return fuente;
}

} // namespace

template <typename F>
void FrmMVAgenda::AtiendeEvento(const QString& contexto, F&& manejador)
{
    try {
        manejador();
    } catch (const ErrorVB& error) {
        ReportaErrorDe(error, contexto);
    }
}

FrmMVAgenda::FrmMVAgenda(QWidget* parent) : QWidget(parent), RsAgenda(std::make_unique<ado::Recordset>())
{
    creaControles();
    disponeControles();
    conectaEventos();
}

FrmMVAgenda::~FrmMVAgenda() = default;

void FrmMVAgenda::creaControles()
{
    setWindowTitle(QStringLiteral("Agenda"));
    setFont(fuenteSerif(8.25));

    grid_ = new MSFlexGrid(this);
    grid_->setFont(fuenteSerif(8.25));
    grid_->setFixedRows(0);
    grid_->setFixedCols(1);
    grid_->verticalHeader()->setDefaultSectionSize(QFontMetrics(grid_->font()).height() + 4);

    calendario_ = new MonthView(this);

    etiqueta_ = new QLabel(QStringLiteral("Notas del Dia"), this);
    etiqueta_->setFont(fuenteSerif(9.75, true));
    etiqueta_->setAutoFillBackground(true);
    QPalette paleta = etiqueta_->palette();
    paleta.setColor(QPalette::Window, ColorOle(12648447).aQColor());
    paleta.setColor(QPalette::WindowText, Qt::black);
    etiqueta_->setPalette(paleta);

    rtBox1_ = new QTextEdit(this);
    cerrar_ = new QPushButton(QStringLiteral("Salir"), this);

    editor_ = new TextBox(this);
    editor_->hide();
}

void FrmMVAgenda::disponeControles()
{
    const auto coloca = &Twips::coloca;
    setFixedSize(Twips::aPixelesX(8820, this), Twips::aPixelesY(4530, this));
    coloca(grid_, 0, 0, 6135, 4455);
    coloca(calendario_, 6240, 0, 2595, 2370);
    coloca(etiqueta_, 6240, 2400, 2535, 255);
    coloca(rtBox1_, 6240, 2640, 2535, 1575);
    coloca(cerrar_, 6240, 4200, 2535, 255);
    coloca(editor_, 1800, 1320, 855, 285);
}

void FrmMVAgenda::conectaEventos()
{
    connect(cerrar_, &QPushButton::clicked, this, &QWidget::close);
    connect(calendario_, &MonthView::DateClick, this,
            [this] { AtiendeEvento(QStringLiteral("MonthView1_DateClick"), [this] { MonthView1_DateClick(); }); });
    connect(grid_, &MSFlexGrid::DblClick, this, [this] { MSFGAgenda_DblClick(); });
    connect(grid_, &MSFlexGrid::KeyPress, this, [this](int codigo) {
        AtiendeEvento(QStringLiteral("MSFGAgenda_KeyPress"), [&] { MsflexGridEdt(*grid_, *editor_, codigo); });
    });
    connect(grid_, &MSFlexGrid::LeaveCell, this,
            [this] { AtiendeEvento(QStringLiteral("MSFGAgenda_LeaveCell"), [this] { MSFGAgenda_CierraEditor(); }); });
    connect(grid_, &MSFlexGrid::GotFocus, this,
            [this] { AtiendeEvento(QStringLiteral("MSFGAgenda_GotFocus"), [this] { MSFGAgenda_CierraEditor(); }); });
    connect(editor_, &TextBox::KeyDown, this, [this](int tecla, int mayusculas) {
        AtiendeEvento(QStringLiteral("TxtEdit_KeyDown"), [&] { TxtEdit_KeyDown(tecla, mayusculas); });
    });
}

void FrmMVAgenda::Form_Load(const QString& parametrosArranque)
{
    CursorEspera espera;
    SharedRuntime& runtime = ModGlobal::Runtime();
    runtime.PreparaFormulario(this, 0);
    ModGlobal::CargarIconoSistema(this);
    bool usaIni = false;
    QString parametros = parametrosArranque;
    QString cadenaConexion;
    ModGlobal::IniciarConexion(usaIni, parametros, cadenaConexion);

    LeeColores();
    CompletaHorario(QStringLiteral("HorarioAtencionDesde"), QStringLiteral("9:00"));
    CompletaHorario(QStringLiteral("HorarioAtencionHasta"), QStringLiteral("18:00"));
    QString auxiliar;
    const QString minutos = ModGlobal::Cfg(QStringLiteral("MinutosAgenda"), auxiliar);
    TablaAgenda = QStringLiteral("MV_Agenda");

    calendario_->setValue(Reloj::hoy());
    QString existe = SentenciasAgenda::ExisteDia(TablaAgenda, Reloj::hoy());
    ModGlobal::DB().AbrirRecordset(existe, RsAgenda.get());
    // An existence test that could not be opened counts as "no slot": creating the slots again is harmless.
    if (RsAgenda->State() != ado::adStateOpen || RsAgenda->Bof())
        CreaSlots(calendario_->Value(), minutos);
    CargarDia();
}

void FrmMVAgenda::LeeColores()
{
    const SharedRuntime& runtime = ModGlobal::Runtime();
    const auto lee = [&runtime](const char* clave, ColorOle defecto) {
        QString auxiliar;
        return ColoresAgenda::Configurado(runtime.ValorEntero(ModGlobal::Cfg(QString::fromLatin1(clave), auxiliar)),
                                          defecto);
    };
    colores_.entrevistas = lee("gColorEntrevistas", ColoresAgenda::EntrevistasPorDefecto);
    colores_.evaluaciones = lee("gColorEvaluaciones", ColoresAgenda::EvaluacionesPorDefecto);
    colores_.horariosNoLaborales = lee("gColorHorariosNoLaborales", ColoresAgenda::NoLaborablesPorDefecto);
    colores_.horariosLaborales = lee("gColorHorariosLaborales", ColoresAgenda::LaborablesPorDefecto);
    colores_.realizadas = lee("gColorE_V_Realizadas", ColoresAgenda::RealizadasPorDefecto);
}

void FrmMVAgenda::CompletaHorario(const QString& clave, const QString& valor)
{
    // Only a key whose row holds no value is completed; a missing key reads as one blank and stays missing.
    QString auxiliar;
    if (ModGlobal::Cfg(clave, auxiliar).isEmpty())
        ModGlobal::GrabaDfg(clave, valor, QString(), false, QStringLiteral("DATOS"));
}

void FrmMVAgenda::CreaSlots(const QDate& dia, const QString& minutos)
{
    const bool positivos = ModGlobal::Runtime().ValorNumerico(minutos) > Moneda();
    QString sentencia = SentenciasAgenda::CrearAgenda(dia, minutos, positivos);
    int32_t afectados = 0;
    ModGlobal::DB().EjecutaConsultaSQL(sentencia, afectados);
}

int FrmMVAgenda::AnchoTexto(const QString& texto) const
{
    return Twips::desdePixelesX(QFontMetrics(font()).horizontalAdvance(texto), this);
}

void FrmMVAgenda::closeEvent(QCloseEvent* evento)
{
    bool guardada = true;
    AtiendeEvento(QStringLiteral("Form_Unload"), [&] { guardada = MSFGAgenda_CierraEditor(); });
    // A note that could not be stored keeps the window open, back in its editor.
    if (!guardada) {
        evento->ignore();
        return;
    }
    evento->accept();
    hide();
    QCoreApplication::quit();
}

void FrmMVAgenda::MonthView1_DateClick()
{
    // A note still open in the editor is saved before its day goes away; one that could not be
    // stored keeps its day on screen.
    if (!MSFGAgenda_CierraEditor())
        return;
    CargarDia();
}

int16_t FrmMVAgenda::ReportaErrorDe(const ErrorVB& error, const QString& contexto)
{
    const SharedRuntime& runtime = ModGlobal::Runtime();
    runtime.AntesDeMensaje(this);
    const int16_t accion = runtime.ReportaError(error, contexto);
    runtime.DespuesDeMensaje(this);
    return accion;
}
