#pragma once

#include "platform/ado/Proveedor.h"

#include <QStringList>

// The connection double: a backend that runs nothing and records what it is asked to do
// ("BeginTrans", "CommitTrans", "RollbackTrans" and each executed text). Every Execute reports
// `afectadosPorSentencia` records; a text containing `fallaCon` fails with `numeroFallo`.
class ProveedorGrabador : public ado::Proveedor {
public:
    struct Guion {
        QStringList llamadas;
        int afectadosPorSentencia = 1;
        QString fallaCon;
        int32_t numeroFallo = 0;
    };

    explicit ProveedorGrabador(Guion& guion) : guion_(guion) { }

    // Registers the double under `proveedor` for as long as the returned guard lives; every
    // connection opened with that provider then records into `guion`.
    class Registro {
    public:
        Registro(const QString& proveedor, Guion& guion);
        ~Registro();

    private:
        QString proveedor_;
    };

    void abre(const ado::CadenaConexion&) override { }
    void cierra() override { }
    int32_t ejecuta(const QString& sentencia) override;
    ado::Resultado consulta(const QString& sentencia) override;
    void iniciaTransaccion() override { guion_.llamadas << QStringLiteral("BeginTrans"); }
    void confirmaTransaccion() override { guion_.llamadas << QStringLiteral("CommitTrans"); }
    void deshaceTransaccion() override { guion_.llamadas << QStringLiteral("RollbackTrans"); }
    ado::Resultado esquema(int, const QVariantList&) override { return {}; }
    void insertaFila(const QString&, const QStringList&, const QVariantList&) override { }
    void actualizaFila(const QString&, const QStringList&, const QVariantList&, const QVariantList&) override { }
    QString baseDeDatos() const override { return {}; }
    void fijaBaseDeDatos(const QString&) override { }
    void fijaTiempoEspera(int) override { }

private:
    Guion& guion_;
};
