#pragma once

#include "platform/ado/Constantes.h"
#include "platform/ado/Field.h"
#include "platform/ado/Proveedor.h"

#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <variant>

namespace ado {

class Connection;

// What Recordset::Open takes as its active connection: none (the recordset's own), a Connection,
// or a connection string for a connection of the recordset's own.
using ConexionActiva = std::variant<std::monostate, Connection*, QString>;

// ADO's Recordset as a client-side cursor: Open fetches every row at once, so BOF, EOF, the moves
// and RecordCount behave as ADO's client cursors do, whatever cursor type was asked for.
// Note: EOF is a C macro, so the end test is spelled Eof(); BOF is spelled Bof() to match.
class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Opens the recordset on a query. Raises ErrorVB (and fills the connection's Errors) when the
    // query fails, leaving the recordset closed; raises the ADO "open" error when already open, and
    // ADO's "connection not valid" error for no connection. Any cursor type but forward-only
    // reads back as adOpenStatic, which is what a client cursor gives. Moves past BOF or EOF, and
    // MoveFirst/MoveLast on an empty recordset, raise the "BOF or EOF" error; every call but
    // State on a closed recordset raises the "closed" error.
    void Open(const QString& fuente, const ConexionActiva& conexion, int tipoCursor = adOpenForwardOnly,
              int tipoBloqueo = adLockReadOnly, int opciones = -1);
    // Opens on rows already fetched (schema rowsets, tests).
    void AbreSobre(Resultado resultado);
    void Close();
    [[nodiscard]] int State() const;

    [[nodiscard]] bool Bof() const;
    [[nodiscard]] bool Eof() const;
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    [[nodiscard]] int RecordCount() const;

    [[nodiscard]] ado::Fields Fields() { return ado::Fields(*this); }

    // Starts a new row at the end and makes it current; its fields start null. Update writes the
    // fields given a value (the others take the table's defaults, but stay null here).
    void AddNew();
    // Writes the new row, or the changed fields of the current row, to the single table the
    // source reads (FuenteActualizable.h); raises the ADO "not updatable" error for a read-only
    // recordset (adLockReadOnly or unspecified), a rowset opened with AbreSobre, or a source that
    // is not a single table. Without pending changes it does nothing. A move, AddNew or another
    // Update writes pending changes first, as ADO does; Close discards them.
    void Update();

    [[nodiscard]] int CursorType() const { return tipoCursor_; }
    void setCursorType(int tipo) { tipoCursor_ = tipo; }
    [[nodiscard]] int LockType() const { return tipoBloqueo_; }
    void setLockType(int tipo) { tipoBloqueo_ = tipo; }
    [[nodiscard]] QString Source() const { return fuente_; }

    // For Field.
    [[nodiscard]] const Resultado& resultado() const;
    [[nodiscard]] QVariant valor(int indice) const;
    void fijaValor(int indice, const QVariant& valor);

private:
    struct Estado;
    Estado& abierto() const;
    Estado& actualizable() const;
    // Writes pending changes before the current row changes, as ADO does on a move.
    void terminaEdicion();
    [[noreturn]] static void sinFilaActual();

    std::unique_ptr<Estado> estado_;
    int tipoCursor_ = adOpenForwardOnly;
    int tipoBloqueo_ = adLockReadOnly;
    QString fuente_;
};

} // namespace ado
