#pragma once

#include "lookup/VariablesConsulta.h"
#include "runtime/SharedRuntime.h"

#include <QDialog>
#include <QString>
#include <QVariant>

class QComboBox;
class QPushButton;
class QTreeWidgetItem;
class TreeView;

// The tree lookup dialog "Consulta...": for hierarchical codes (families, positions, cost centres)
// it shows the rows of SQL as a tree built from the length of each code, lets the person find a
// node by code or description, and returns the chosen code or, for the fields IDFAMILIA,
// IDPOSICION and CODIGO, the value looked up in the code's table. Shown with exec(); the rows are
// loaded when it is first shown. The first field of SQL is the code, its second the description, the
// rows in code order (each parent before its children); each F5 search narrows it. CampoDevuelto
// "IDFAMILIA", "IDPOSICION" or "CODIGO" (any case) selects what is returned; any other value returns
// nothing.
class Lib_FrmCons3Tree : public QDialog, public VariablesConsulta {
    Q_OBJECT
public:
    explicit Lib_FrmCons3Tree(QWidget* parent = nullptr);
    ~Lib_FrmCons3Tree() override;

    QWidget* picFields = nullptr;
    QComboBox* CmbSearch = nullptr;
    TreeView* TreeV = nullptr;
    QWidget* Frame1 = nullptr;
    QPushButton* CmdAceptar = nullptr;
    QPushButton* CmdCancelar = nullptr;
    QPushButton* CmdNueva = nullptr;

    // Builds the tree from SQL: the root "Consulta..." (key "A", expanded), then one node per row,
    // key "A" + code and text code + " - " + description. A code longer than the node before it
    // makes a child of it, an equally long one its next sibling, a shorter one goes back up the
    // ancestors until one is not longer. Failures (a statement the database rejects, two rows with
    // the same code, a null code) go to the error reporter under "ArmarTreeVAutomatico": 4 retries
    // the row, 5 goes on with the next one, any other answer stops with the nodes added so far.
    void ArmarTreeVAutomatico();

    // The incremental search: selects and shows the first node, in the order added, whose code or
    // description (the text before and after its first "-", trimmed) begins with `texto`, any case.
    // The root's whole text counts as description; an empty text selects the root.
    void Busca(const QString& texto);
    // F5 in the search box: narrows SQL to the rows whose Descripcion contains the box's text (a
    // quote in it is doubled; an empty box adds no condition), clears the box and loads again.
    void BuscaEnServidor();

    // Cancel (Esc, CmdCancelar, closing the window): ValorDevuelto empty, CmpsDevueltos and Valores
    // unset.
    void reject() override;

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void creaControles();
    void colocaControles();
    void conectaEventos();
    void Carga();
    void Acepta();
    void cambiaMarca(QTreeWidgetItem* nodo);

    SharedRuntime runtime_;
    bool cargado_ = false;
};
