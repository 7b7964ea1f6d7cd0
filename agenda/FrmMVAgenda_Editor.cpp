// The in-place note editor: opening it over a free slot, the closing keys and the save.
#include "agenda/FrmMVAgenda.h"
#include "agenda/SentenciasAgenda.h"
#include "data/DB_Dll.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/MSFlexGrid.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/Twips.h"
#include "runtime/Dialogos.h"
#include "runtime/FuncionesVB.h"
#include "runtime/PasosAtrapados.h"
#include "runtime/SharedRuntime.h"
#include "runtime/Teclas.h"
#include "startup/ModGlobal.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

enum Columna { Nota = 1, IdProceso = 2, IdEntrevista = 3, Clave = 4 };
enum Tecla { Intro = 13, Escape = 27, Arriba = 38, Abajo = 40 };

} // namespace

void FrmMVAgenda::MsflexGridEdt(MSFlexGrid& MsFlexGrid, TextBox& Edt, int KeyAscii)
{
    const int fila = MsFlexGrid.Row();
    if (!MsFlexGrid.TextMatrix(fila, IdEntrevista).isEmpty() || !MsFlexGrid.TextMatrix(fila, IdProceso).isEmpty())
        return;
    // A row without a slot key is one of the empty rows of a day without slots: nothing to store.
    if (MsFlexGrid.Cols() <= Clave || FuncionesVB::Trim(MsFlexGrid.TextMatrix(fila, Clave)).isEmpty())
        return;

    textoDeCelda_ = MsFlexGrid.Text();
    filaEditada_ = fila;
    if (KeyAscii >= 0 && KeyAscii <= 32) {
        Edt.setText(MsFlexGrid.Text());
        Edt.setSelStart(1000);
    } else {
        const char32_t caracter = static_cast<char32_t>(KeyAscii);
        Edt.setText(QString::fromUcs4(&caracter, 1));
        Edt.setSelStart(1);
    }
    // Over the cell, but never past the grid's visible cells: a note column wider than the grid
    // would otherwise put the editor over the grid's scroll bar and the controls beside it.
    const QRect celda(Twips::aPixelesX(MsFlexGrid.Left() + MsFlexGrid.CellLeft(), this),
                      Twips::aPixelesY(MsFlexGrid.Top() + MsFlexGrid.CellTop(), this),
                      Twips::aPixelesX(MsFlexGrid.CellWidth(), this), Twips::aPixelesY(MsFlexGrid.CellHeight(), this));
    Edt.setGeometry(celda.intersected(MsFlexGrid.viewport()->geometry().translated(MsFlexGrid.pos())));
    Edt.setDataField(QString::number(MsFlexGrid.Col()));
    Edt.show();
    Edt.raise();
    Edt.setFont(MsFlexGrid.font());
    Edt.setFocus();
}

void FrmMVAgenda::EditKeyCode(MSFlexGrid& MsFlexGrid, TextBox& Edt, int KeyCode, int)
{
    const auto manejador = [this](const ErrorVB& error) -> int16_t {
        if (error.numero() == ErroresVB::LlamadaNoValida)
            return AccionError::Continuar;
        return ReportaErrorDe(error, QStringLiteral("EditKeyCode"));
    };
    // Giving the grid the focus closes the editor (GotFocus) before the current cell moves. Keys and
    // clicks that arrived meanwhile (typed while the note was being saved) wait until the cell has
    // moved: they belong to the row the cursor goes to, never to the note just stored.
    const Paso enfocaGrid = [&] { MsFlexGrid.setFocus(); };
    const Paso atiendePendientes = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
    switch (KeyCode) {
    case Intro:
        EjecutaPasos({enfocaGrid, atiendePendientes,
                      [&] {
                          if (MsFlexGrid.Col() == Nota) {
                              if (MsFlexGrid.Row() < MsFlexGrid.Rows() - 1) {
                                  MsFlexGrid.setRow(MsFlexGrid.Row() + 1);
                                  MsFlexGrid.setCol(Nota);
                              }
                          } else {
                              MsFlexGrid.setCol(MsFlexGrid.Col() + 1);
                          }
                      }},
                     manejador);
        break;
    case Escape:
        EjecutaPasos({[&] {
                          Edt.setDataField(QString());
                          Edt.hide();
                      },
                      enfocaGrid},
                     manejador);
        break;
    case Arriba:
        EjecutaPasos({enfocaGrid, atiendePendientes,
                      [&] {
                          if (MsFlexGrid.Row() > MsFlexGrid.FixedRows())
                              MsFlexGrid.setRow(MsFlexGrid.Row() - 1);
                      }},
                     manejador);
        break;
    case Abajo:
        EjecutaPasos({enfocaGrid, atiendePendientes,
                      [&] {
                          if (MsFlexGrid.Row() < MsFlexGrid.Rows() - 1)
                              MsFlexGrid.setRow(MsFlexGrid.Row() + 1);
                      }},
                     manejador);
        break;
    default:
        break;
    }
}

bool FrmMVAgenda::Campo_Valida(TextBox& Texto)
{
    guardadoFallido_ = false;
    const QString nota = FuncionesVB::Trim(Texto.text());
    const QString marcador = Texto.DataField();
    if (FuncionesVB::Trim(marcador).isEmpty())
        return false;
    Texto.setDataField(QString());

    const int fila = filaEditada_ >= 0 && filaEditada_ < grid_->Rows() ? filaEditada_ : grid_->Row();
    const QString id = grid_->TextMatrix(fila, Clave);
    const auto noGuardada = [&](const QString& causa) {
        guardadoFallido_ = true;
        Texto.setDataField(marcador);
        ModGlobal::Runtime().AntesDeMensaje(this);
        Dialogos::actual().MsgBox(
            QStringLiteral("La nota no se ha podido guardar: %1.\n\nEl texto sigue en el editor: pulse "
                           "Intro para intentarlo de nuevo o Escape para descartarlo.")
                .arg(causa),
            Msg::OkSolo + Msg::Exclamacion, QStringLiteral("Agenda"));
        ModGlobal::Runtime().DespuesDeMensaje(this);
        return false;
    };
    const qsizetype largo = nota.toUcs4().size();
    if (largo > SentenciasAgenda::LargoNota)
        return noGuardada(
            QStringLiteral("tiene %1 caracteres y una nota admite %2").arg(largo).arg(SentenciasAgenda::LargoNota));
    if (!sobrescribeNotaAjena(id, nota))
        return false;
    QString sentencia = SentenciasAgenda::GuardaNota(nota, id);
    int32_t afectados = 0;
    ado::Errors& errores = ModGlobal::DB().gCnn().Errors();
    errores.Clear();
    ModGlobal::DB().EjecutaConsultaSQL(sentencia, afectados);
    if (errores.Count() > 0)
        return noGuardada(errores.Item(0).Description);
    if (afectados <= 0)
        return noGuardada(QStringLiteral("la franja ya no está en la base de datos"));
    textoDeCelda_ = nota;
    return true;
}

bool FrmMVAgenda::sobrescribeNotaAjena(const QString& id, const QString& nota)
{
    ado::Recordset rs;
    QString sentencia = SentenciasAgenda::LeeNota(id);
    ModGlobal::DB().AbrirRecordset(sentencia, &rs);
    if (rs.State() != ado::adStateOpen || rs.Bof())
        return true; // nothing to compare with: the save reports what happens
    const QVariant valor = rs.Fields().Item(0).Value();
    const QString guardada = valor.isNull() ? QString() : valor.toString();
    if (guardada == textoDeCelda_)
        return true;
    if (guardada == nota) {
        textoDeCelda_ = guardada;
        return false;
    }
    ModGlobal::Runtime().AntesDeMensaje(this);
    const int respuesta = Dialogos::actual().MsgBox(
        QStringLiteral("Otro puesto ha cambiado esta nota después de que usted cargara el día.\n\n"
                       "Nota guardada ahora: «%1»\nSu nota: «%2»\n\n¿Quiere guardar su nota en lugar de la otra?")
            .arg(guardada, nota),
        Msg::SiNo + Msg::Pregunta, QStringLiteral("Agenda"));
    ModGlobal::Runtime().DespuesDeMensaje(this);
    if (respuesta == Msg::Si)
        return true;
    textoDeCelda_ = guardada;
    return false;
}

void FrmMVAgenda::MSFGAgenda_DblClick()
{
    try {
        MsflexGridEdt(*grid_, *editor_, 32);
    } catch (const ErrorVB&) {
        // A double click that cannot open the editor simply leaves it closed.
    }
}

bool FrmMVAgenda::MSFGAgenda_CierraEditor()
{
    if (!editor_->isVisible())
        return true;
    // Hidden first, so that the focus moves it causes cannot close it a second time. Leaving the
    // editor any other way than with Escape stores the note, as a closing key does.
    editor_->hide();
    if (!Campo_Valida(*editor_) && guardadoFallido_) {
        QTimer::singleShot(0, this, [this] { ReabreEditor(); });
        return false;
    }
    grid_->setText(textoDeCelda_);
    return true;
}

void FrmMVAgenda::ReabreEditor()
{
    if (editor_->isVisible() || editor_->DataField().isEmpty() || filaEditada_ < 0 || filaEditada_ >= grid_->Rows())
        return;
    grid_->setRow(filaEditada_);
    grid_->setCol(Nota);
    editor_->show();
    editor_->raise();
    editor_->setFocus();
}

void FrmMVAgenda::TxtEdit_KeyDown(int KeyCode, int Shift)
{
    // Escape is not a closing key: it leaves the edit without saving anything.
    if (KeyCode == Escape) {
        EditKeyCode(*grid_, *editor_, KeyCode, Shift);
        return;
    }
    if (!Teclas::EsTeclaDeAccion(KeyCode))
        return;
    // A note that could not be stored stays in the editor, and the cursor stays with it.
    if (!Campo_Valida(*editor_) && guardadoFallido_)
        return;
    EditKeyCode(*grid_, *editor_, KeyCode, Shift);
}
