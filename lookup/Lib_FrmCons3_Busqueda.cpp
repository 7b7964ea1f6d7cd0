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

// Whether `valor` begins with `prefijo`, ignoring case. Letters of plain ASCII are compared without
// Qt's per-character folding: a keystroke runs this on every row of the list.
bool empiezaSinCaso(QStringView valor, QStringView prefijo)
{
    if (valor.size() < prefijo.size())
        return false;
    for (qsizetype i = 0; i < prefijo.size(); ++i) {
        const char16_t a = valor[i].unicode();
        const char16_t b = prefijo[i].unicode();
        if (a == b)
            continue;
        if (a >= 0x80 || b >= 0x80)
            return valor.mid(i).startsWith(prefijo.mid(i), Qt::CaseInsensitive);
        const char16_t plegadaA = (a >= u'A' && a <= u'Z') ? a + 32 : a;
        const char16_t plegadaB = (b >= u'A' && b <= u'Z') ? b + 32 : b;
        if (plegadaA != plegadaB)
            return false;
    }
    return true;
}

} // namespace

int32_t Lib_FrmCons3::Busqueda(int32_t Clave, const QString& QueValor) const
{
    const QStringView buscado = QStringView(QueValor).trimmed();
    const int columna = Clave < 1 ? 0 : Clave;
    const int items = lista_->CantidadItems();
    for (int item = 1; item <= items; ++item) {
        const QStringView valor = QStringView(lista_->TextoCelda(item, columna)).trimmed();
        if (empiezaSinCaso(valor, buscado))
            return item;
    }
    return 0;
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
    // An empty box narrows nothing.
    if (texto.isEmpty())
        return;
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
            if (codigo == Teclas::Abajo || codigo == Teclas::Arriba || codigo == Teclas::AvPag || codigo == Teclas::RePag) {
                ListView1_KeyDown(codigo, 0);
                lista_->setFocus();
                return true;
            }
        }
        break;
    }
    return QDialog::eventFilter(objeto, evento);
}
