#include "data/DialogoAccesoQt.h"

#include "data/frmAcceso.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

using Motor = ado::RegistroProveedores::Motor;

frmAcceso::Plataforma entradaDe(Motor motor)
{
    switch (motor) {
    case Motor::Oracle:
        return frmAcceso::Oracle;
    case Motor::SQLite:
        return frmAcceso::SQLiteLocal;
    case Motor::PostgreSQL:
        return frmAcceso::PostgreSQL;
    case Motor::SqlServer:
        break;
    }
    return frmAcceso::SqlServer;
}

Motor motorDe(int entrada)
{
    switch (entrada) {
    case frmAcceso::Oracle:
        return Motor::Oracle;
    case frmAcceso::SQLiteLocal:
        return Motor::SQLite;
    case frmAcceso::PostgreSQL:
        return Motor::PostgreSQL;
    default:
        return Motor::SqlServer;
    }
}

} // namespace

bool DialogoAccesoQt::Pide(DatosAcceso& datos)
{
    frmAcceso dialogo;
    dialogo.TxtDbName->setText(datos.baseDatos);
    dialogo.TxtServidor->setText(datos.servidor);
    dialogo.TxtUserId->setText(datos.usuario);
    dialogo.TxtUserPassword->setText(datos.clave);
    dialogo.CboPlataformaDB->setCurrentIndex(entradaDe(datos.motor));
    dialogo.exec();
    if (!dialogo.Aceptar)
        return false;
    datos.baseDatos = dialogo.TxtDbName->text();
    datos.servidor = dialogo.TxtServidor->text();
    datos.usuario = dialogo.TxtUserId->text();
    datos.clave = dialogo.TxtUserPassword->text();
    datos.motor = motorDe(dialogo.CboPlataformaDB->currentIndex());
    return true;
}
