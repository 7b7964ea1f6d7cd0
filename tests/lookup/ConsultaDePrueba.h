#pragma once

#include "support/BaseDePrueba.h"
#include "support/DialogosGuionados.h"

#include <QStringList>
#include <QVariant>

#include <memory>

class Lib_FrmCons3;
namespace ado {
class Connection;
}

// A list lookup on a temporary database: the program's data-access object is connected to it with
// every text it sends recorded, the dialogs are scripted, the program folder is the database's
// temporary folder, and a second connection prepares rows behind the dialog's back. The database
// holds the table CLIENTES (CODIGO, NOMBRE, CIUDAD) with the rows given to clientes(), and the empty
// table ANCHOS (CORTO VARCHAR(10), LARGO VARCHAR(255)).
class ConsultaDePrueba {
public:
    ConsultaDePrueba();
    ~ConsultaDePrueba();

    // A new dialog (the previous one is destroyed, which unloads it).
    Lib_FrmCons3& nuevoDialogo();
    [[nodiscard]] Lib_FrmCons3& dialogo() { return *dialogo_; }
    // Shows the dialog without a modal wait and waits until it is exposed.
    void muestra();
    void cierra();

    [[nodiscard]] DialogosGuionados& dialogos() { return *dialogos_; }
    [[nodiscard]] const QStringList& traza() const { return traza_; }
    void limpiaTraza() { traza_.clear(); }
    [[nodiscard]] QString carpeta() const { return base_.carpeta(); }

    void ejecuta(const QString& sentencia);
    [[nodiscard]] QVariant valor(const QString& consulta);
    // Rows "CODIGO|NOMBRE|CIUDAD" into CLIENTES.
    void clientes(const QStringList& filas);

private:
    DialogosDePrueba dialogos_;
    BaseDePrueba base_;
    std::unique_ptr<ado::Connection> conexion_;
    std::unique_ptr<Lib_FrmCons3> dialogo_;
    QStringList traza_;
};
