#pragma once

#include "lookup/Coleccion.h"
#include "runtime/SharedRuntime.h"

#include <QString>
#include <QVariant>

#include <optional>

// What a caller may hand to ConsultaSearch besides the table or statement. The operation writes
// back into it: Where (wrapped), CampoBusqueda (filled in when the statement is built) and
// CmpsDevueltos (emptied and released on return).
struct ArgumentosConsulta {
    // Captions of the columns whose values the list dialog returns in single choice.
    Coleccion CmpsDevueltos;
    // Initial text of the list dialog's first search box.
    QString Clave;
    // The search and ordering column.
    QString CampoBusqueda;
    // A filter condition for catalogue lookups (the text after WHERE).
    QString Where;
    // A complete statement used instead of one built from the table's columns.
    QString SentenciaOpcional;
    // Show the tree dialog instead of the list dialog.
    bool TreeView = false;
    // Comma-separated values whose rows start checked in the list dialog.
    QString ValoresDefault;
};

// The suite's lookup request. A caller names a table or view (or hands a complete SELECT), says
// which values it wants back and calls ConsultaSearch: the request builds the lookup statement from
// the catalogue file or from the table's own columns, shows it in a new list or tree dialog, and
// after the dialog closes holds the chosen values in its public variables.
class Lib_ClsCons3 {
public:
    // Reads the lookup settings of the configuration table through ModGlobal::Cfg: the stock colours
    // "Stk_Nivel1" to "Stk_Nivel4" (the number 0 when blank), "MostrarStockenConsultas" (trimmed)
    // and "UsaConsultaLIKE" (true when "SI", any case). Created while the shared connection is not
    // open (before start-up connects), it reads nothing: the values of missing keys.
    Lib_ClsCons3();
    ~Lib_ClsCons3();
    Lib_ClsCons3(const Lib_ClsCons3&) = delete;
    Lib_ClsCons3& operator=(const Lib_ClsCons3&) = delete;

    QVariant StkNivel1 = 0;
    QVariant StkNivel2 = 0;
    QVariant StkNivel3 = 0;
    QVariant StkNivel4 = 0;
    QString MuestraStock;
    // Kept for callers that build their list of returned columns in it.
    Coleccion CmpsDevueltos;
    // The returned values after a lookup; unset after a cancel.
    Coleccion Valores;
    // The list dialog's quantities after a list lookup.
    Coleccion Cantidades;
    // Multiple choice with check boxes; false again after every lookup.
    bool Checks = false;
    // The single returned value; the empty text after a cancel.
    QVariant ValorDevuelto;
    // The connection string of the shared data-access object, set at start-up.
    QString gConnString;
    // Full path of the catalogue file "consultas.kqw" in the program folder (or the user's data
    // folder when the program folder cannot be written).
    QString gRutaMascaraConsultas;
    // Whether table names are looked up in the catalogue file.
    bool gUsarMascarasConsultas = false;
    // The list dialog's quantity keys.
    bool UsaCantidades = false;
    // Column (list) or field (tree) of the returned value; emptied at the end of every lookup.
    QString CampoDevuelto;

    // Builds the statement (see Sentencia) and shows it modally in a new dialog: the tree dialog
    // when argumentos.TreeView, the list dialog otherwise. After it closes, ValorDevuelto, Valores
    // and (list) Cantidades hold what the dialog returned; Checks is false and CampoDevuelto empty;
    // argumentos.CmpsDevueltos is emptied and released. Every error is skipped: a failing step is
    // left out and the next one runs.
    // When the catalogue entry of the table names a single column and no CampoBusqueda is given,
    // the person is told "Debe configurar la consulta para esta tabla" and no dialog is shown; the
    // caller is then left as after a cancel: ValorDevuelto empty, Valores unset, Checks false and
    // CampoDevuelto empty.
    void ConsultaSearch(const QString& SQL, ArgumentosConsulta& argumentos);
    void ConsultaSearch(const QString& SQL);

    // The lookup statement for the request, as ConsultaSearch shows it, or nullopt after the
    // "Debe configurar la consulta para esta tabla" message. Writes back argumentos.Where (a filter
    // longer than one character that does not start with "(" becomes " (" + Where + ") ") and
    // argumentos.CampoBusqueda. Every statement reads at most the rows "TopConsArt" says (its
    // leading number rounded to a whole one; 0, negative, empty or not a number: 1000).
    //  - A text containing SELECT (any case) is used as it is, with V_MA_ARTICULOS read through
    //    VT_MA_ARTICULOS; Where is then not used.
    //  - A table name, with catalogue lookups on and a catalogue file present: the first record whose
    //    table equals the name (trimmed, any case) gives "SELECT TOP n <columns> FROM <table>
    //    [WHERE <filter>] [ORDER BY <CampoBusqueda>]", CampoBusqueda defaulting to the first column.
    //    The filter is the record's own, else Where; without either, clients and suppliers get
    //    "Dada_De_Baja = 0" and V_MA_ARTICULOS becomes VT_MA_ARTICULOS with "SUSPENDIDO = 0".
    //  - Any other table name (catalogue lookups off, no catalogue file, a file that cannot be read,
    //    or a name the catalogue lacks) is built from its columns: SentenciaOpcional when given;
    //    otherwise "SELECT TOP n <columns> FROM <table> ORDER BY <CampoBusqueda>", with the columns
    //    in the reverse of the table's order leaving out ID, FECHAHORA_MODIFICACION and
    //    FECHAHORA_GRABACION, and CampoBusqueda the last of DESCRIPCION, NOMBRE and DETALLE present,
    //    else the table's first column kept. A table with no column kept reads " * ", and has no
    //    ORDER BY when CampoBusqueda is still empty.
    std::optional<QString> Sentencia(const QString& SQL, ArgumentosConsulta& argumentos);

private:
    [[nodiscard]] int LimiteFilas() const;
    // The statement from the catalogue record for `tabla`; nullopt when no record matched or the
    // file could not be read. Sets `configurar` for the single-column entry without CampoBusqueda.
    std::optional<QString> DesdeCatalogo(const QString& tabla, int limite, ArgumentosConsulta& argumentos,
                                         bool& configurar) const;
    QString DesdeColumnas(const QString& tabla, int limite, ArgumentosConsulta& argumentos) const;
    void MuestraArbol(const QString& sentencia);
    void MuestraLista(const QString& sentencia, ArgumentosConsulta& argumentos);

    bool BusquedaLike = false;
    SharedRuntime runtime_;
};
