#pragma once

#include "agenda/ColoresAgenda.h"

#include <QString>
#include <QWidget>

#include <memory>

class MSFlexGrid;
class MonthView;
class TextBox;
class QLabel;
class QPushButton;
class QTextEdit;
class ErrorVB;
namespace ado {
class Recordset;
}

// The agenda window: the month calendar and, beside it, the grid of the chosen day's time slots,
// whose free notes are edited in place. It reaches the database through ModGlobal::DB().
class FrmMVAgenda : public QWidget {
    Q_OBJECT
public:
    explicit FrmMVAgenda(QWidget* parent = nullptr);
    ~FrmMVAgenda() override;

    // The start-up: window set-up, icon, connection (IniciarConexion throws FinDePrograma when none
    // results), the five colours, the working hours written as "9:00" and "18:00" when their keys hold
    // an empty value, today selected in the calendar, today's slots created when no slot sits exactly
    // at midnight (the day load then creates them a second time, harmlessly), and today loaded.
    // When the existence test cannot be opened, today's slots are created as if it found nothing.
    // `parametros` is the start-up line; "" takes the program's command line.
    void Form_Load(const QString& parametros = {});

    // Loads the calendar's day: creates its slots, sets the label, rebuilds the grid (columns: time,
    // note, then hidden search process id, interview id, slot key and pending flag), colours each note
    // cell and scrolls to the first slot inside working hours. A working-hours value that is not a
    // time of day counts as 9:00 (start) or 18:00 (end). When the day query cannot be opened the grid
    // keeps two empty rows, as for a day without slots. The current row is the one the grid had after
    // being reset to two rows.
    void CargarDia();

    // "-1" when the interview (or evaluation) `ID` is still pending, "0" when it is not, "" when the
    // slot is free or an error report left the function before the answer was known.
    QString EstaPendiente(const QString& ID, bool EsEntrevista, bool EsEvaluacion);

    // Opens the note editor over the grid's current cell. Does nothing on a booked slot (column 2 or 3
    // set) or on a row without a slot key (a day without slots). A code from 0 to 32 (control keys,
    // the blank; a double click passes 32) edits the cell's note with the caret at its end; any other
    // code starts a new note holding just that character.
    void MsflexGridEdt(MSFlexGrid& MsFlexGrid, TextBox& Edt, int KeyAscii);

    // Acts on a closing key after the note was saved: Enter moves to the next row (or the next column
    // when the current column is not the note), Up and Down move one row within the grid; each first
    // gives the grid the focus, which closes the editor; keys and clicks that arrived meanwhile are
    // handled only after the move, so typing ahead goes to the row the cursor moves to. Escape hides
    // the editor without saving and gives the grid the focus. Other keys do nothing. Error 5 is
    // skipped; other errors are reported.
    void EditKeyCode(MSFlexGrid& MsFlexGrid, TextBox& Edt, int KeyCode, int Shift);

    // Saves the edited note, trimmed, to the slot of the row the editor was opened on, once per edit:
    // it does nothing when no edit is open (empty DataField) and clears DataField after saving.
    // Returns true when the note was stored. A note longer than the note column holds is refused; a
    // statement that fails or changes no row is told with its cause. Either way DataField is kept,
    // the cell keeps the stored note and the typed text stays with the editor, so that nothing typed
    // is lost: the closing key (or leaving the cell) tries again, Escape drops it.
    bool Campo_Valida(TextBox& Texto);

    // The controls, for the program's own event wiring and for tests.
    [[nodiscard]] MSFlexGrid& MSFGAgenda() const { return *grid_; }
    [[nodiscard]] MonthView& MonthView1() const { return *calendario_; }
    [[nodiscard]] QLabel& LblMensaje() const { return *etiqueta_; }
    [[nodiscard]] TextBox& TxtEdit() const { return *editor_; }
    [[nodiscard]] QPushButton& CmdCerrar() const { return *cerrar_; }
    [[nodiscard]] const ColoresAgenda& Colores() const { return colores_; }

protected:
    // Closing saves a note being edited, then ends the program; a note that cannot be stored keeps
    // the window open, back in its editor.
    void closeEvent(QCloseEvent* evento) override;

private:
    void creaControles();
    void disponeControles();
    void conectaEventos();

    void LeeColores();
    void CompletaHorario(const QString& clave, const QString& valor);
    void CreaSlots(const QDate& dia, const QString& minutos);
    [[nodiscard]] int AnchoTexto(const QString& texto) const;

    // Events.
    void MonthView1_DateClick();
    void MSFGAgenda_DblClick();
    // Closes the editor, saving its note. False when the note could not be stored: the editor then
    // opens again over its slot, holding the typed text, once the grid has finished what it was doing.
    bool MSFGAgenda_CierraEditor();
    void ReabreEditor();
    void TxtEdit_KeyDown(int KeyCode, int Shift);
    // Runs an event handler so that no error escapes into the event loop: it is reported instead.
    template <typename F>
    void AtiendeEvento(const QString& contexto, F&& manejador);
    int16_t ReportaErrorDe(const ErrorVB& error, const QString& contexto);

    MSFlexGrid* grid_ = nullptr;
    MonthView* calendario_ = nullptr;
    QLabel* etiqueta_ = nullptr;
    QTextEdit* rtBox1_ = nullptr;
    QPushButton* cerrar_ = nullptr;
    TextBox* editor_ = nullptr;

    ColoresAgenda colores_;
    std::unique_ptr<ado::Recordset> RsAgenda;
    QString TablaAgenda;
    // Another desk may have changed the note after this one loaded the day: compares the stored note
    // with what the cell showed (exactly, case included) and, when they differ, asks in Spanish
    // whether to store this note over the other one. No (or a stored note equal to `nota`) leaves the
    // stored note in textoDeCelda_. True when the note is to be stored.
    bool sobrescribeNotaAjena(const QString& id, const QString& nota);

    // What the edited cell shows when the editor closes: the saved note, or the stored one.
    QString textoDeCelda_;
    // The grid row the editor was opened on, and whether its last save failed.
    int filaEditada_ = -1;
    bool guardadoFallido_ = false;
};
