// Columns, search boxes, widths and the saved layout of the list lookup.
#include "lookup/ArchivoAnchos.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Twips.h"
#include "runtime/Dialogos.h"
#include "runtime/Entorno.h"
#include "runtime/FuncionesVB.h"
#include "startup/ModGlobal.h"

#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

// Room between a search box and the next column.
constexpr int MargenCaja = 50;
constexpr int LetrasMaximas = 60;
constexpr int MaximoBarra = 32700;

int redondeaPar(double valor)
{
    return static_cast<int>(std::nearbyint(valor)); // the default rounding mode: halves to even
}

// The configured name of a price-class column of an article statement, or the field's own name.
QString tituloDeCampo(const QString& campo, bool conClasesDePrecio)
{
    if (!conClasesDePrecio || campo.size() != 7 || !campo.startsWith(QLatin1StringView("PRECIO"), Qt::CaseInsensitive))
        return campo;
    const QChar numero = campo.at(6);
    if (numero < u'1' || numero > u'8')
        return campo;
    QString aux;
    return ModGlobal::Cfg(QStringLiteral("NOM_PCLASE") + numero, aux);
}

ArchivoAnchos archivoAnchos()
{
    const SharedRuntime rt;
    return ArchivoAnchos(rt.RutaConBarra(Entorno::carpetaArchivo(ArchivoAnchos::kNombre)));
}

} // namespace

void Lib_FrmCons3::Encolumnar()
{
    try {
        lista_->LimpiaColumnas();
        const bool conClasesDePrecio = SQL.contains(QLatin1StringView("V_MA_ARTICULOS"), Qt::CaseInsensitive)
            || SQL.contains(QLatin1StringView("STK_MA_ARTICULOS"), Qt::CaseInsensitive);
        const QFontMetrics metricas(font());
        ado::Fields campos = RsConsulta_->Fields();
        for (int i = 0; i < campos.Count(); ++i) {
            const ado::Field campo = campos[i];
            const int letras = std::clamp(campo.DefinedSize(), 0, LetrasMaximas);
            QComboBox* caja = i < CantidadCmbSearch() ? cajas_[static_cast<size_t>(i)] : creaCaja(i);
            camposCajas_.resize(cajas_.size());
            camposCajas_[static_cast<size_t>(i)] = campo.Name();
            caja->setVisible(true);
            const int ancho = Twips::desdePixelesX(metricas.horizontalAdvance(QString(letras, u'X')), this);
            lista_->AgregaColumna(tituloDeCampo(campo.Name(), conClasesDePrecio), ancho);
        }
        for (size_t i = static_cast<size_t>(campos.Count()); i < cajas_.size(); ++i)
            cajas_[i]->setVisible(false);
    } catch (const ErrorVB& error) {
        runtime_.AntesDeMensaje(this);
        Dialogos::actual().MsgBox(error.descripcion(), Msg::OkSolo, QString());
        runtime_.DespuesDeMensaje(this);
    }
}

void Lib_FrmCons3::colocaCaja(int columna, int ancho)
{
    Geometria caja = geometria(cajas_[static_cast<size_t>(columna) - 1]);
    caja.izquierda = lista_->IzquierdaColumna(columna);
    caja.ancho = std::max(ancho, 0);
    coloca(cajas_[static_cast<size_t>(columna) - 1], caja);
}

void Lib_FrmCons3::CalcularAncho()
{
    const int columnas = lista_->CantidadColumnas();
    int total = 0;
    for (int i = 1; i <= columnas; ++i) {
        colocaCaja(i, lista_->AnchoColumna(i) - MargenCaja);
        total += lista_->AnchoColumna(i);
    }
    Geometria lista = geometria(lista_);
    lista.ancho = total + 360;
    coloca(lista_, lista);
    Geometria panel = geometria(panel_);
    panel.ancho = total + 360;
    coloca(panel_, panel);
    Geometria barra = geometria(barra_);
    barra.ancho = total;
    coloca(barra_, barra);
    barra_->setMaximum(panel.ancho > MaximoBarra ? MaximoBarra : redondeaPar((panel.ancho + 480) * 0.6));
    const QScreen* pantalla = screen() ? screen() : QGuiApplication::primaryScreen();
    const int anchoPantalla = Twips::desdePixelesX(pantalla->geometry().width(), this);
    Geometria ventana = geometria(this);
    ventana.ancho = lista.ancho + 360 >= anchoPantalla ? anchoPantalla - 480 : lista.ancho + 280;
    coloca(this, ventana);
    colocaEnPantalla(false);
}

void Lib_FrmCons3::CargarAnchos()
{
    const ArchivoAnchos archivo = archivoAnchos();
    // Without a layout file nothing more happens: the table keeps its own name as the key.
    if (!QFile::exists(archivo.ruta()))
        return;
    QList<ArchivoAnchos::Registro> registros;
    try {
        registros = archivo.Lee();
    } catch (const ErrorVB&) {
        return;
    }
    if (TablaConsulta_.compare(QLatin1StringView("Stk_ma_articulos"), Qt::CaseInsensitive) == 0)
        TablaConsulta_ = QStringLiteral("VT_MA_ARTICULOS");
    try {
        for (const ArchivoAnchos::Registro& registro : registros) {
            if (registro.clave.compare(TablaConsulta_, Qt::CaseInsensitive) != 0)
                continue;
            QString anchos = registro.anchos;
            for (int i = 1; i <= lista_->CantidadColumnas(); ++i) {
                const qsizetype barra = anchos.indexOf(u'|');
                if (barra < 0)
                    ElevaLlamadaNoValida(QStringLiteral("CargarAnchos"));
                const int ancho = redondeaPar(runtime_.ValorNumerico(anchos.left(barra)).aDouble());
                lista_->setAnchoColumna(i, ancho);
                colocaCaja(i, ancho);
                anchos = anchos.mid(barra + 1);
            }
        }
    } catch (const ErrorVB&) {
        // A record with fewer widths than the list has columns: the widths applied so far stay.
    }
}

void Lib_FrmCons3::GrabarAnchos()
{
    if (!GrabarCfg)
        return;
    QString anchos;
    for (int i = 1; i <= lista_->CantidadColumnas(); ++i)
        anchos += QString::number(lista_->AnchoColumna(i)) + u'|';
    archivoAnchos().Graba(TablaConsulta_, anchos);
}
