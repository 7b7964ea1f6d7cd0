#pragma once

#include "platform/ado/Constantes.h"
#include "platform/ado/Errors.h"
#include "platform/ado/FalloProveedor.h"
#include "platform/ado/Proveedor.h"

#include <QString>
#include <QVariantList>

#include <cstdint>
#include <functional>
#include <memory>

namespace ado {

class Recordset;

// ADO's Connection over one backend. A failing backend call fills Errors (cleared at the start of
// every call) and raises ErrorVB with the ADO number and the provider's description.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens with `cadena`, or with ConnectionString when `cadena` is empty. "Provider=" picks the
    // backend; an unknown or unavailable provider fails with an Errors entry naming it.
    void Open(const QString& cadena = {}, const QString& usuario = {}, const QString& clave = {}, int opciones = -1);
    void Close();
    [[nodiscard]] int State() const;

    // Runs a statement; `registrosAfectados` (when given) receives the records it affected.
    void Execute(const QString& texto, int32_t* registrosAfectados = nullptr, int opciones = -1);

    int BeginTrans();
    void CommitTrans();
    void RollbackTrans();

    [[nodiscard]] ado::Errors& Errors() { return errores_; }
    [[nodiscard]] const ado::Errors& Errors() const { return errores_; }

    [[nodiscard]] QString ConnectionString() const { return cadena_; }
    void setConnectionString(const QString& cadena) { cadena_ = cadena; }
    [[nodiscard]] int CursorLocation() const { return ubicacionCursor_; }
    void setCursorLocation(int ubicacion) { ubicacionCursor_ = ubicacion; }
    [[nodiscard]] int CommandTimeout() const { return tiempoEspera_; }
    void setCommandTimeout(int segundos);
    [[nodiscard]] QString DefaultDatabase() const;
    void setDefaultDatabase(const QString& nombre);

    // The schema rowsets adSchemaTables (20) and adSchemaColumns (4), as an open static recordset.
    [[nodiscard]] std::unique_ptr<Recordset> OpenSchema(int esquema, const QVariantList& restricciones = {});

    // A trace of every statement and query text this connection sends to its backend, as sent
    // (diagnostics and tests); an empty function turns it off.
    void setTraza(std::function<void(const QString&)> traza) { traza_ = std::move(traza); }
    void anotaTraza(const QString& texto) const
    {
        if (traza_)
            traza_(texto);
    }

    // The open backend, for the recordsets of this connection; raises the ADO "closed" error otherwise.
    // After a failure that lost the database (its file removed or moved while open, the server's
    // connection gone), the backend is opened again first, with the same connection string, so that
    // work goes on once the file is back or the server is up; while it cannot open, each call fails
    // saying why.
    [[nodiscard]] Proveedor& proveedor();

    // Runs `accion` against the backend, turning a FalloProveedor into Errors and ErrorVB.
    template <typename F>
    auto conErrores(F&& accion) -> decltype(accion());

private:
    [[noreturn]] void falla(const Error& error);
    void reabre();

    QString cadena_;
    CadenaConexion partes_; // as last opened, credentials included
    QString baseFijada_; // chosen with setDefaultDatabase since opening
    bool porReabrir_ = false;
    int ubicacionCursor_ = adUseServer;
    int tiempoEspera_ = 30;
    ado::Errors errores_;
    std::unique_ptr<Proveedor> proveedor_;
    std::function<void(const QString&)> traza_;
};

template <typename F>
auto Connection::conErrores(F&& accion) -> decltype(accion())
{
    errores_.Clear();
    try {
        return accion();
    } catch (const FalloProveedor& fallo) {
        falla(fallo.error());
    }
}

} // namespace ado
