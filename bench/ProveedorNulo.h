#pragma once

#include "platform/ado/Proveedor.h"

// A backend that accepts every call and does nothing: what remains measured is the program's own
// work on the text.
class ProveedorNulo : public ado::Proveedor {
public:
    // Registers it under the Oracle provider's name.
    static void RegistraComoOracle();

    void abre(const ado::CadenaConexion&) override { }
    void cierra() override { }
    int32_t ejecuta(const QString&) override { return 1; }
    ado::Resultado consulta(const QString&) override { return {}; }
    void iniciaTransaccion() override { }
    void confirmaTransaccion() override { }
    void deshaceTransaccion() override { }
    ado::Resultado esquema(int, const QVariantList&) override { return {}; }
    void insertaFila(const QString&, const QStringList&, const QVariantList&) override { }
    void actualizaFila(const QString&, const QStringList&, const QVariantList&, const QVariantList&) override { }
    QString baseDeDatos() const override { return {}; }
    void fijaBaseDeDatos(const QString&) override { }
    void fijaTiempoEspera(int) override { }
};
