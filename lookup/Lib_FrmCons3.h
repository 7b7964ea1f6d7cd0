#pragma once

#include "lookup/VariablesConsulta.h"
#include "platform/ui/ColorOle.h"
#include "runtime/SharedRuntime.h"

#include <QDialog>
#include <QSet>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <memory>
#include <vector>

class ListView;
class QComboBox;
class QPushButton;
class QScrollBar;
class QShortcut;
namespace ado {
class Recordset;
}

// The suite's list lookup: runs one lookup statement, shows its rows with a search box over each
// column, and hands back the values of the chosen row (or of the checked rows). The caller fills the
// public variables, shows the dialog modally with exec(), reads ValorDevuelto, Valores and Cantidades
// when exec() returns, and then destroys the dialog (destroying it unloads it: the column widths
// are stored when GrabarCfg is on). The rows are loaded when the dialog is first shown.
// Positions and sizes are in twips. Errors go to the error reporter as each operation says.
// The dialog adds conditions to SQL (server-side search) and a blank at every load, keeping the
// caller's table names (the synonym form the data layer sends is never written back). CampoDevuelto
// is a column caption when the result is taken and a field name when rows are pre-checked; empty in
// check-box mode, it means the first column, whose caption is written back.
class Lib_FrmCons3 : public QDialog, public VariablesConsulta {
    Q_OBJECT
public:
    explicit Lib_FrmCons3(QWidget* parent = nullptr);
    ~Lib_FrmCons3() override;

    // Row colours of an article lookup by stock (OLE colour numbers): no reorder point and stock
    // above 0; stock above the reorder point; stock below it; any other article.
    QVariant StkNivel1, StkNivel2, StkNivel3, StkNivel4;
    // "SI" (any case) colours article rows by stock.
    QString MuestraStock;
    // The values whose rows start checked, separated by commas or semicolons; each value is trimmed
    // and loses one pair of surrounding single or double quotes ("'P1','P2'", "P1;P2" and "P1, P2"
    // name the same two values; "Juan Pérez, Ana" names two). A row starts checked when the trimmed
    // value of the field CampoDevuelto equals one of them, ignoring case: never a part of a longer
    // value. An empty text checks nothing.
    QString ValoresDefault;
    // Server-side search finds the text anywhere in the field instead of at its start.
    bool CfgUsaConsultaLIKE = false;
    // Store the column widths of the lookup's table when the dialog unloads.
    bool GrabarCfg = false;

    // Adds every remaining row of the open statement to the list (the arguments do not limit it).
    void Leer(int32_t Cdesde, int32_t Cuantas);
    // Position (from 1) of the first column whose caption, trimmed, equals `Columna`, trimmed,
    // ignoring case; 0 when none.
    [[nodiscard]] int16_t IndiceColumna(const QString& Columna) const;
    // Position (from 1) of the first row, in list order, whose value in column `Clave` (0 the first
    // column, k the column k + 1) begins with `QueValor`, trimmed, ignoring case; 0 when none.
    // An empty value matches the first row.
    [[nodiscard]] int32_t Busqueda(int32_t Clave, const QString& QueValor) const;
    // Columns and search boxes from the open statement's fields; initial widths from the declared
    // field sizes (at most 60 letters "X" in the window's font).
    void Encolumnar();
    // Places the search boxes over their columns and sizes list, panel, scroll bar and window.
    void CalcularAncho();
    // Applies the saved column widths of the lookup's table, when there are any.
    void CargarAnchos();
    // Stores the current column widths of the lookup's table (only with GrabarCfg).
    void GrabarAnchos();

    // The load: opens the statement, builds the columns, reads the rows, applies the initial filter
    // and the saved widths. Runs when the dialog is first shown and again for every search on the
    // server and every new search. A failing step goes to the error reporter under "FORM_LOAD".
    void Form_Load();
    // Accept: fills the results and hides the dialog (ends exec()).
    void CmdAceptar_Click();
    // Cancel: ValorDevuelto empty, CmpsDevueltos and Valores unset; hides the dialog.
    void CmdCancelar_Click();
    // Back to the statement of the first load.
    void CmdNueva_Click();
    // The unload: stores the widths (a failure is shown and the unload completes), removes the rows.
    // Runs once; destroying a loaded dialog runs it.
    void Form_Unload();
    // Esc and the window's close button cancel.
    void reject() override;

    // Controls, for the dialog's own wiring and for tests.
    [[nodiscard]] ListView& ListView1() const { return *lista_; }
    [[nodiscard]] QComboBox& CmbSearch(int indice) const;
    [[nodiscard]] int CantidadCmbSearch() const { return static_cast<int>(cajas_.size()); }
    [[nodiscard]] QScrollBar& HScroll1() const { return *barra_; }
    [[nodiscard]] QWidget& picFields() const { return *panel_; }
    [[nodiscard]] QWidget& Frame1() const { return *marco_; }
    [[nodiscard]] QPushButton& CmdAceptar() const { return *aceptar_; }
    [[nodiscard]] QPushButton& CmdCancelar() const { return *cancelar_; }
    [[nodiscard]] QPushButton& CmdNueva() const { return *nueva_; }
    // Twips geometry of a control the dialog placed (the window included), as it was set.
    [[nodiscard]] int AnchoTwips(const QWidget& control) const;
    [[nodiscard]] int IzquierdaTwips(const QWidget& control) const;
    // Private state that the caller cannot set, for tests.
    [[nodiscard]] const QString& TablaConsulta() const { return TablaConsulta_; }
    [[nodiscard]] const QString& SQLInicial() const { return SQLInicial_; }
    [[nodiscard]] int16_t IndiceBusqueda() const { return IndiceBusqueda_; }

protected:
    void showEvent(QShowEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    struct Geometria {
        int izquierda = 0, arriba = 0, ancho = 0, alto = 0;
    };

    void creaControles();
    void conectaEventos();
    QComboBox* creaCaja(int indice);
    // Places a control, in twips; the window itself by its outer size (title bar and borders included).
    void coloca(QWidget* control, const Geometria& geometria);
    [[nodiscard]] Geometria geometria(const QWidget* control) const;
    void ajustaTamano();
    // Moves the shown window inside the screen's free area; centred on it when `centra`.
    void colocaEnPantalla(bool centra);
    // Puts search box `columna` − 1 over its column with the given width (0 when narrower).
    void colocaCaja(int columna, int ancho);
    // What the reading of the rows keeps from one row to the next.
    struct LecturaFila {
        int campoPuntoPedido = -1, campoStock = -1, campoDevuelto = -1, campos = 0;
        bool muestraStock = false;
        QVariant colorFila;
        int item = 0;
    };
    // Adds the current row and moves to the next; false when an error report ended the reading.
    [[nodiscard]] bool leeFila(LecturaFila& fila);
    // The item's value in a column (1 its text, c > 1 its sub-item c − 1); column 0 leaves `valor`.
    void tomaValor(int item, int16_t columna, QString& valor) const;
    void busquedaIncremental(int indice);
    void busquedaServidor(int indice);
    void ListView1_KeyDown(int KeyCode, int Shift);
    void ListView1_ColumnClick(int columna);
    void teclaCantidad(int KeyCode, int Shift);
    void InformaFaltante();

    SharedRuntime runtime_;
    std::unique_ptr<ado::Recordset> RsConsulta_;
    bool EsConsultaArticulos_ = false;
    QString SQLInicial_;
    QString SQLBase_;
    QString OrdenSQL_;
    QString TablaConsulta_;
    int16_t IndiceBusqueda_ = 0;
    QSet<QString> defectos_;
    bool cargado_ = false;
    bool descargado_ = false;

    QWidget* panel_ = nullptr;
    ListView* lista_ = nullptr;
    std::vector<QComboBox*> cajas_;
    std::vector<QString> camposCajas_; // the field name each search box searches
    QScrollBar* barra_ = nullptr;
    QWidget* marco_ = nullptr;
    QPushButton* aceptar_ = nullptr;
    QPushButton* cancelar_ = nullptr;
    QPushButton* nueva_ = nullptr;
    QShortcut* f12_ = nullptr;
    std::vector<std::pair<const QWidget*, Geometria>> geometrias_;
};
