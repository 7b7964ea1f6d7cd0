// The search boxes of the list lookup: incremental search in the list, search on the server (F5),
// new search.
#include "lookup/Lib_FrmCons3.h"
#include "lookup/SentenciaConsulta.h"
#include "platform/ui/ListView.h"
#include "runtime/FuncionesVB.h"
#include "runtime/Teclas.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>

namespace {

const ColorOle ColorConFoco(0xFFFF00);
const ColorOle ColorSinFoco(0xFFFFFF);

void pinta(QComboBox& caja, ColorOle color)
{
    QPalette paleta = caja.palette();
    paleta.setColor(QPalette::Base, color.aQColor());
    caja.setPalette(paleta);
}

} // namespace

int32_t Lib_FrmCons3::Busqueda(int32_t Clave, const QString& QueValor) const
{
    return lista_->PrimeroQueEmpieza(Clave < 1 ? 0 : Clave, QStringView(QueValor).trimmed());
}

void Lib_FrmCons3::busquedaIncremental(int indice)
{
    const int32_t fila = Busqueda(indice, FuncionesVB::Trim(cajas_[static_cast<size_t>(indice)]->currentText()));
    if (fila != 0) {
        lista_->setItemSeleccionado(fila);
        lista_->AseguraVisible(fila);
    }
}

void Lib_FrmCons3::busquedaServidor(int indice)
{
    QComboBox& caja = *cajas_[static_cast<size_t>(indice)];
    QString texto = caja.currentText();
    // An empty box narrows nothing: the rows are loaded again as they are now in the database, with no
    // empty condition added (one would drop the rows whose field is NULL).
    if (texto.isEmpty()) {
        SQLBase_ = SQL;
        Form_Load();
        return;
    }
    const SentenciaConsulta::Partes partes = SentenciaConsulta::DivideOrden(SQL);
    OrdenSQL_ = partes.OrdenSQL;
    SQLBase_ = partes.SQLBase;
    QString prefijo;
    if (SQLBase_.contains(QLatin1StringView("stk_ma_articulos."), Qt::CaseInsensitive))
        prefijo = QStringLiteral("stk_ma_articulos.");
    if (SQLBase_.contains(QLatin1StringView("v_ma_articulos."), Qt::CaseInsensitive))
        prefijo = QStringLiteral("v_ma_articulos.");
    const QString& campo = camposCajas_[static_cast<size_t>(indice)];
    QString condicion;
    if (CfgUsaConsultaLIKE) {
        condicion = QStringLiteral(" like '%") + SentenciaConsulta::CuerpoLiteral(texto) + QStringLiteral("%' ");
    } else {
        texto = runtime_.ReemplazaTexto(texto, QStringLiteral("*"), QStringLiteral("%"));
        caja.setEditText(texto);
        condicion = QStringLiteral(" like '") + SentenciaConsulta::CuerpoLiteral(texto) + QStringLiteral("%' ");
    }
    SQL = SentenciaConsulta::AgregaCondicion(SQL, prefijo + campo + condicion);
    caja.setEditText(QString());
    SQLBase_ = SQL;
    Form_Load();
}

void Lib_FrmCons3::CmdNueva_Click()
{
    SQL = SQLInicial_;
    Form_Load();
    CmbSearch(0).setFocus();
}

bool Lib_FrmCons3::eventFilter(QObject* objeto, QEvent* evento)
{
    for (size_t i = 0; i < cajas_.size(); ++i) {
        QComboBox* caja = cajas_[i];
        if (objeto != caja && objeto != caja->lineEdit())
            continue;
        if (evento->type() == QEvent::FocusIn) {
            IndiceBusqueda_ = static_cast<int16_t>(i);
            pinta(*caja, ColorConFoco);
        } else if (evento->type() == QEvent::FocusOut) {
            pinta(*caja, ColorSinFoco);
        } else if (evento->type() == QEvent::KeyPress) {
            const auto* tecla = static_cast<QKeyEvent*>(evento);
            const int codigo = Teclas::CodigoDeTecla(tecla->key());
            if (tecla->key() == Qt::Key_F5) {
                busquedaServidor(static_cast<int>(i));
                return true;
            }
            if (codigo == Teclas::Abajo || codigo == Teclas::Arriba || codigo == Teclas::AvPag
                || codigo == Teclas::RePag) {
                ListView1_KeyDown(codigo, 0);
                lista_->setFocus();
                return true;
            }
        }
        break;
    }
    return QDialog::eventFilter(objeto, evento);
}
