// The keys of the list lookup: accept, quantities, type-ahead into a search box, and the
// missing-stock report of article lookups.
#include "data/DB_Dll.h"
#include "lookup/Lib_FrmCons3.h"
#include "lookup/SentenciaConsulta.h"
#include "platform/ui/ListView.h"
#include "runtime/Dialogos.h"
#include "runtime/FuncionesVB.h"
#include "runtime/LecturaNumeros.h"
#include "runtime/PasosAtrapados.h"
#include "runtime/Reloj.h"
#include "runtime/Teclas.h"

#include <QComboBox>
#include <QLocale>

#include <optional>

namespace {

constexpr int Mayusculas = 1;

// A quantity as the cells hold it: the number at its start, with a point or a comma as the decimal
// separator ("2.5" and "2,5" are both two and a half); 0 when it starts with no number.
double leeCantidad(const QString& texto)
{
    QString conPunto = texto;
    conPunto.replace(u',', u'.');
    return LecturaNumeros::NumeroInicial(conPunto);
}

// The whole text as a quantity, or nothing when something other than a number is in it.
std::optional<double> cantidadCompleta(const QString& texto)
{
    QString conPunto = texto.trimmed();
    conPunto.replace(u',', u'.');
    bool valida = false;
    const double valor = QLocale::c().toDouble(conPunto, &valida);
    return valida ? std::optional<double>(valor) : std::nullopt;
}

// A quantity written with the regional decimal comma and the given number of decimals.
QString escribeCantidad(double valor, int decimales)
{
    QLocale regional(QLocale::Spanish, QLocale::Spain);
    regional.setNumberOptions(QLocale::OmitGroupSeparator);
    return regional.toString(valor, 'f', decimales);
}

} // namespace

void Lib_FrmCons3::ListView1_KeyDown(int KeyCode, int Shift)
{
    const SharedRuntime& rt = runtime_;
    EjecutaPasos({[&] {
                     if (KeyCode == Teclas::Espacio && CheckBoxes)
                         return;
                     if (KeyCode == Teclas::Enter) {
                         CmdAceptar_Click();
                         return;
                     }
                     const bool teclaDeCantidad = (KeyCode == Teclas::Insertar && (Shift == 0 || Shift == Mayusculas))
                         || (KeyCode == Teclas::Suprimir && Shift == 0);
                     if (UsaCantidades && teclaDeCantidad) {
                         teclaCantidad(KeyCode, Shift);
                         return;
                     }
                     if ((KeyCode >= 47 && KeyCode <= 93) || (KeyCode >= 97 && KeyCode <= 125)
                         || KeyCode == Teclas::Espacio) {
                         QComboBox& caja = CmbSearch(IndiceBusqueda_);
                         caja.setEditText(caja.currentText() + QChar(KeyCode));
                         caja.setFocus();
                     } else if (KeyCode == Teclas::Retroceso) {
                         CmbSearch(IndiceBusqueda_).setFocus();
                     }
                 }},
                 [&](const ErrorVB& error) { return rt.ReportaError(error, QStringLiteral("ListView1_KeyDown")); });
}

void Lib_FrmCons3::teclaCantidad(int KeyCode, int Shift)
{
    const int16_t columna = IndiceColumna(QStringLiteral("**Cantidad**"));
    const int item = lista_->ItemSeleccionado();
    if (columna < 2 || item == 0)
        throw ErrorVB(ErroresVB::LlamadaNoValida,
                      QStringLiteral("La lista no tiene una columna de cantidades o una fila elegida."),
                      QStringLiteral("ListView1_KeyDown"));
    const int k = columna - 1;
    const QString actual = lista_->SubItem(item, k);
    if (KeyCode == Teclas::Insertar && Shift == Mayusculas) {
        runtime_.AntesDeMensaje(this);
        const QString respuesta = Dialogos::actual().InputBox(QStringLiteral("Ingrese la Cantidad del Articulo..."),
                                                              QStringLiteral("Carga de Datos"), actual);
        runtime_.DespuesDeMensaje(this);
        if (leeCantidad(respuesta) != 0) {
            const std::optional<double> numero = cantidadCompleta(respuesta);
            lista_->setSubItem(item, k, numero ? escribeCantidad(*numero, 2) : respuesta);
        }
        lista_->setMarcado(item, true);
    } else if (KeyCode == Teclas::Insertar) {
        lista_->setSubItem(item, k, escribeCantidad(leeCantidad(actual) + 1, 1));
        lista_->setMarcado(item, true);
    } else {
        const double resto = leeCantidad(actual) - 1;
        lista_->setSubItem(item, k, escribeCantidad(resto, 1));
        if (resto <= 0) {
            lista_->setMarcado(item, false);
            lista_->setSubItem(item, k, QStringLiteral("0.00"));
        }
    }
}

void Lib_FrmCons3::InformaFaltante()
{
    const int item = lista_->ItemSeleccionado();
    // Nothing to report without a chosen row (an empty list after a fruitless search).
    if (item == 0)
        return;
    QString codigo;
    QString descripcion;
    tomaValor(item, IndiceColumna(QStringLiteral("idarticulo")), codigo);
    tomaValor(item, IndiceColumna(QStringLiteral("Descripcion")), descripcion);
    const QString id = FuncionesVB::Trim(codigo);
    descripcion = FuncionesVB::Trim(descripcion);
    // A row without an article code names no article: the person is told, nothing is recorded.
    if (id.isEmpty()) {
        runtime_.AntesDeMensaje(this);
        Dialogos::actual().MsgBox(
            QStringLiteral("La fila elegida no tiene código de artículo: no hay nada que informar."),
            Msg::OkSolo + Msg::Exclamacion, QStringLiteral("Atención!"));
        runtime_.DespuesDeMensaje(this);
        return;
    }
    runtime_.AntesDeMensaje(this);
    const int respuesta
        = Dialogos::actual().MsgBox(QStringLiteral("Desea informar el articulo ") + id + u' ' + descripcion
                                        + QStringLiteral("\r\ncomo un faltante de stock?"),
                                    Msg::SiNo + Msg::Pregunta, QStringLiteral("Atención!"));
    runtime_.DespuesDeMensaje(this);
    if (respuesta != Msg::Si)
        return;
    DB_Dll& db = DB_Dll::Compartido();
    const QString ahora = Reloj::ahora().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    QString sentencia = QStringLiteral("INSERT INTO V_MV_FALTANTES (FechaHora,IdArticulo,Descripcion,Usuario) values('")
        + ahora + QStringLiteral("','") + SentenciaConsulta::CuerpoLiteral(runtime_.AlineaDerecha(codigo, 25))
        + QStringLiteral("','") + SentenciaConsulta::CuerpoLiteral(descripcion) + QStringLiteral("','")
        + SentenciaConsulta::CuerpoLiteral(db.gUsuario) + QStringLiteral("')");
    db.EjecutaConsultaSQL(sentencia);
}
