#include "lookup/Lib_FrmCons3.h"

#include "data/DB_Dll.h"
#include "platform/ado/Recordset.h"
#include "platform/ado/dialect/VistaSql.h"
#include "platform/ui/ListView.h"
#include "runtime/Dialogos.h"
#include "runtime/FuncionesVB.h"
#include "runtime/PasosAtrapados.h"

#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QShortcut>

namespace {

// A field value as the list shows it: dates day-first, numbers with the regional decimal comma and
// no thousands separator, anything else as text; null is "".
QString textoDeCampo(const QVariant& valor)
{
    switch (valor.typeId()) {
    case QMetaType::QDateTime: {
        const QDateTime momento = valor.toDateTime();
        return momento.time() == QTime(0, 0) ? momento.toString(QStringLiteral("dd/MM/yyyy"))
                                             : momento.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    }
    case QMetaType::QDate:
        return valor.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case QMetaType::Double:
    case QMetaType::Float: {
        static const QLocale regional = [] {
            QLocale es(QLocale::Spanish, QLocale::Spain);
            es.setNumberOptions(QLocale::OmitGroupSeparator);
            return es;
        }();
        // At most 15 significant digits, as the suite writes numbers; the shortest exact form first,
        // which is much cheaper to make and is the same text for every value that fits.
        const double numero = valor.toDouble();
        const QString corto = regional.toString(numero, 'g', QLocale::FloatingPointShortest);
        return corto.size() <= 16 ? corto : regional.toString(numero, 'g', 15);
    }
    default:
        return valor.toString();
    }
}

// The text without blanks at either end; the same text, shared, when it has none.
QString recorta(const QString& texto)
{
    if (texto.isEmpty() || (texto.front() != u' ' && texto.back() != u' '))
        return texto;
    return FuncionesVB::Trim(texto);
}

// A reorder point or stock as a number: a null or empty value, or one that is not a number, is 0.
Moneda numeroDeCampo(const QVariant& valor)
{
    if (valor.isNull())
        return {};
    switch (valor.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
        return Moneda::desdeDouble(valor.toDouble());
    default:
        return SharedRuntime().ValorNumerico(valor.toString().replace(u',', u'.'));
    }
}

// The position of a field by name, ignoring case, or -1.
int campoPorNombre(ado::Recordset& rs, const QString& nombre)
{
    ado::Fields campos = rs.Fields();
    for (int i = 0; i < campos.Count(); ++i)
        if (campos[i].Name().compare(nombre, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// The table named after the statement's first FROM keyword (not one inside a literal, a comment or a
// longer word): the text after it up to any blank, tab or line break, without quotes (the key of the
// saved widths, kept as it has always been written).
QString tablaDeSentencia(const QString& SQL)
{
    const ado::dialecto::VistaSql v(SQL);
    qsizetype k = 0;
    while (k < v.size() && !v.es(k, QLatin1String("FROM")))
        ++k;
    if (!v.existe(k + 1))
        return {};
    const qsizetype inicio = v.inicio(k + 1);
    qsizetype fin = inicio;
    while (fin < SQL.size() && !SQL.at(fin).isSpace())
        ++fin;
    QString tabla = SQL.mid(inicio, fin - inicio);
    tabla.remove(u'"');
    tabla.remove(u'\'');
    return tabla;
}

// The defaults as whole values, folded: the text split at commas and semicolons, each value trimmed
// and stripped of one pair of surrounding quotes ("'P1';\"P2\", Ana Pérez" holds P1, P2 and ana pérez).
QSet<QString> valoresPorDefecto(const QString& texto)
{
    QSet<QString> resultado;
    for (const QString& valor : QString(texto).replace(u';', u',').split(u',')) {
        QString limpio = valor.trimmed();
        if (limpio.size() >= 2 && (limpio.front() == u'\'' || limpio.front() == u'"')
            && limpio.back() == limpio.front())
            limpio = limpio.mid(1, limpio.size() - 2).trimmed();
        if (!limpio.isEmpty())
            resultado.insert(limpio.toCaseFolded());
    }
    return resultado;
}

} // namespace

Lib_FrmCons3::Lib_FrmCons3(QWidget* parent) : QDialog(parent), RsConsulta_(std::make_unique<ado::Recordset>())
{
    creaControles();
    conectaEventos();
}

Lib_FrmCons3::~Lib_FrmCons3()
{
    if (cargado_)
        Form_Unload();
}

QComboBox& Lib_FrmCons3::CmbSearch(int indice) const
{
    if (indice < 0 || indice >= CantidadCmbSearch())
        throw ErrorVB(340, QStringLiteral("El elemento %1 de la matriz de controles no existe").arg(indice),
                      QStringLiteral("CmbSearch"));
    return *cajas_[static_cast<size_t>(indice)];
}

void Lib_FrmCons3::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!cargado_) {
        cargado_ = true;
        Form_Load();
        // The load sizes the window to its columns after it was placed at its design size: centre
        // it again at its real size, as a window that sizes itself before it shows.
        colocaEnPantalla(true);
    }
}

void Lib_FrmCons3::Form_Load()
{
    const SharedRuntime& rt = runtime_;
    DB_Dll& db = DB_Dll::Compartido();
    EjecutaPasos({
                     [&] {
                         EsConsultaArticulos_ = SQL.contains(QLatin1StringView("articulos"), Qt::CaseInsensitive);
                         f12_->setEnabled(EsConsultaArticulos_);
                     },
                     [&] {
                         Valores = std::make_shared<QVariantList>();
                         Cantidades = std::make_shared<QVariantList>();
                     },
                     [&] { lista_->LimpiaItems(); },
                     [&] { SQL += u' '; },
                     [&] { TablaConsulta_ = tablaDeSentencia(SQL); },
                     [&] {
                         if (SQLInicial_.isEmpty())
                             SQLInicial_ = SQL;
                     },
                     [&] { SQLBase_ = SQL; },
                     [&] {
                         // The data layer writes back the synonym form; the dialog keeps the caller's names
                         // so that a later search does not apply the synonyms a second time.
                         QString enviada = SQL;
                         db.AbrirRecordset(enviada, RsConsulta_.get(), {}, ado::adOpenForwardOnly, ado::adLockReadOnly,
                                           -1, true);
                     },
                     [&] { lista_->setCheckboxes(CheckBoxes); },
                     [&] { Encolumnar(); },
                     [&] { Leer(1, 0); },
                     [&] {
                         if (OrdenarPorLwv)
                             lista_->setSorted(true);
                     },
                     [&] {
                         if (!FuncionesVB::Trim(FiltroInicial).isEmpty())
                             CmbSearch(0).setEditText(FiltroInicial);
                     },
                     [&] { db.CierraRecordset(RsConsulta_.get()); },
                     [&] { CargarAnchos(); },
                     [&] { CalcularAncho(); },
                     [&] { rt.PreparaFormulario(this, 0); },
                 },
                 [&](const ErrorVB& error) { return rt.ReportaError(error, QStringLiteral("FORM_LOAD")); });
}

void Lib_FrmCons3::Leer(int32_t, int32_t)
{
    ado::Recordset& rs = *RsConsulta_;
    if (rs.Bof() && rs.Eof())
        return;
    LecturaFila fila;
    fila.campoPuntoPedido = campoPorNombre(rs, QStringLiteral("PUNTOPEDIDO"));
    fila.campoStock = campoPorNombre(rs, QStringLiteral("Stock"));
    fila.campoDevuelto = CheckBoxes ? campoPorNombre(rs, CampoDevuelto) : -1;
    fila.campos = rs.Fields().Count();
    fila.muestraStock = MuestraStock.compare(QLatin1StringView("SI"), Qt::CaseInsensitive) == 0;
    defectos_ = valoresPorDefecto(ValoresDefault);
    const ListView::Carga carga = lista_->IniciaCarga();
    while (!rs.Eof())
        if (!leeFila(fila))
            return;
}

bool Lib_FrmCons3::leeFila(LecturaFila& f)
{
    // The steps capture no more than two pointers, so that no step allocates: this runs once per row.
    return EjecutaPasos(
        {
            [this, &f] {
                f.colorFila = QVariant();
                if (!EsConsultaArticulos_ || f.campoPuntoPedido < 0 || f.campoStock < 0)
                    return;
                // An empty or null reorder point or stock counts as 0.
                const Moneda p = numeroDeCampo(RsConsulta_->valor(f.campoPuntoPedido));
                const Moneda s = numeroDeCampo(RsConsulta_->valor(f.campoStock));
                const Moneda cero;
                if (p == cero && s > cero)
                    f.colorFila = StkNivel1;
                else if (p > cero && s > p)
                    f.colorFila = StkNivel2;
                else if (p > cero && s < p)
                    f.colorFila = StkNivel3;
                else
                    f.colorFila = StkNivel4;
            },
            [this, &f] {
                f.item = lista_->AgregaItem(recorta(textoDeCampo(runtime_.ValorCampo(RsConsulta_->valor(0)))));
            },
            [this, &f] {
                if (f.campoDevuelto < 0)
                    return;
                const QVariant valor = RsConsulta_->valor(f.campoDevuelto);
                if (!valor.isNull() && defectos_.contains(textoDeCampo(valor).trimmed().toCaseFolded()))
                    lista_->setMarcado(f.item, true);
            },
            [this, &f] {
                const bool colorea
                    = f.muestraStock && EsConsultaArticulos_ && !FuncionesVB::EnBlanco(f.colorFila.toString());
                const ColorOle color(static_cast<uint32_t>(f.colorFila.toLongLong()));
                for (int i = 1; i < f.campos; ++i) {
                    lista_->setSubItem(
                        f.item, i, runtime_.AlineaDerecha(textoDeCampo(runtime_.ValorCampo(RsConsulta_->valor(i)))));
                    if (colorea) {
                        lista_->setNegrita(f.item, 0, true);
                        lista_->setColorTexto(f.item, 0, color);
                        lista_->setNegrita(f.item, i, true);
                        lista_->setColorTexto(f.item, i, color);
                    }
                }
            },
            [this] { RsConsulta_->MoveNext(); },
        },
        [this](const ErrorVB& error) { return runtime_.ReportaError(error, QStringLiteral("Leer")); });
}

int16_t Lib_FrmCons3::IndiceColumna(const QString& Columna) const
{
    const QString buscada = FuncionesVB::Trim(Columna);
    for (int i = 1; i <= lista_->CantidadColumnas(); ++i)
        if (FuncionesVB::Trim(lista_->TituloColumna(i)).compare(buscada, Qt::CaseInsensitive) == 0)
            return static_cast<int16_t>(i);
    return 0;
}

void Lib_FrmCons3::tomaValor(int item, int16_t columna, QString& valor) const
{
    if (columna == 1)
        valor = lista_->Texto(item);
    else if (columna > 1)
        valor = lista_->SubItem(item, columna - 1);
}

void Lib_FrmCons3::CmdAceptar_Click()
{
    const SharedRuntime& rt = runtime_;
    QString valor;
    const auto agregaValor = [&] {
        if (!Valores)
            ElevaObjetoNoEstablecido(QStringLiteral("CmdAceptar_Click"));
        Valores->append(valor);
    };
    if (CheckBoxes) {
        EjecutaPasos({
                         [&] {
                             if (CampoDevuelto.isEmpty())
                                 CampoDevuelto = lista_->TituloColumna(1);
                         },
                         [&] {
                             for (int item = 1; item <= lista_->CantidadItems(); ++item) {
                                 if (!lista_->Marcado(item))
                                     continue;
                                 tomaValor(item, IndiceColumna(CampoDevuelto), valor);
                                 agregaValor();
                             }
                         },
                         [&] { accept(); },
                     },
                     [&](const ErrorVB& error) { return rt.ReportaError(error, QStringLiteral("CmdAceptar_Click")); });
        return;
    }
    const int item = lista_->ItemSeleccionado();
    EjecutaPasos({
                     [&] {
                         if (item == 0) {
                             accept();
                             SalDelProcedimiento();
                         }
                     },
                     [&] {
                         if (!CmpsDevueltos)
                             return;
                         for (const QVariant& titulo : *CmpsDevueltos) {
                             tomaValor(item, IndiceColumna(titulo.toString()), valor);
                             agregaValor();
                         }
                     },
                     [&] {
                         if (!FuncionesVB::Trim(CampoDevuelto).isEmpty())
                             tomaValor(item, IndiceColumna(CampoDevuelto), valor);
                     },
                     [&] { ValorDevuelto = valor; },
                     [&] { accept(); },
                 },
                 [&](const ErrorVB& error) { return rt.ReportaError(error, QStringLiteral("CmdAceptar_Click")); });
}

void Lib_FrmCons3::CmdCancelar_Click()
{
    ValorDevuelto = QString();
    CmpsDevueltos.reset();
    Valores.reset();
    QDialog::reject();
}

void Lib_FrmCons3::ListView1_ColumnClick(int columna)
{
    lista_->OrdenaPor(columna - 1, lista_->SortOrder() == 0 ? 1 : 0);
}

void Lib_FrmCons3::Form_Unload()
{
    if (descargado_)
        return;
    descargado_ = true;
    try {
        GrabarAnchos();
    } catch (const ErrorVB& error) {
        runtime_.AntesDeMensaje(this);
        Dialogos::actual().MsgBox(error.descripcion(), Msg::OkSolo + Msg::Critico, QStringLiteral("Aviso al Operador"));
        runtime_.DespuesDeMensaje(this);
    }
    lista_->LimpiaItems();
}
