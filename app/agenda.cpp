// The agenda program: the agenda window on the database named by the command line; with none, on the
// person's own embedded database when CN000pr.INI names one, otherwise on what the login dialog asks.
#include "agenda/FrmMVAgenda.h"
#include "data/DialogoAccesoQt.h"
#include "runtime/ArgumentosPrograma.h"
#include "runtime/AyudaPrograma.h"
#include "runtime/ConfiguracionRegional.h"
#include "runtime/Dialogos.h"
#include "runtime/ErrorVB.h"
#include "runtime/FinDePrograma.h"
#include "runtime/FuncionesVB.h"
#include "runtime/VentanasQt.h"
#include "startup/BaseLocal.h"
#include "startup/ParametrosArranque.h"

#include <QApplication>

namespace {
const char* const kUso
    = "Uso: agenda [\"@Server=SERVIDOR;@DbName=BASE;@Usuario=USUARIO;@Password=CLAVE;@Proveedor=PROVEEDOR;\"]\n"
      "Sin línea de arranque, abre la base propia que nombre CN000pr.INI o muestra \"Control de Acceso\".";
}

int main(int argc, char* argv[])
{
    if (const auto salida = AyudaPrograma::Responde(argc, argv, "agenda", kUso))
        return *salida;
    QApplication aplicacion(argc, argv);
    ArgumentosPrograma::Lee(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Agenda"));
    // The menu entry agenda.desktop: the desktop shows its icon for the window.
    QApplication::setDesktopFileName(QStringLiteral("agenda"));
    ConfiguracionRegional::Fija();
    VentanasQt::instala();
    DialogoAcceso::instala(std::make_unique<DialogoAccesoQt>());
    try {
        FrmMVAgenda ventana;
        ventana.Form_Load(FuncionesVB::EnBlanco(ParametrosArranque::LineaDeOrdenes()) ? BaseLocal::LineaDeArranque()
                                                                                      : QString());
        ventana.show();
        return QApplication::exec();
    } catch (const FinDePrograma&) {
        return 0;
    } catch (const ErrorVB& error) {
        // The start-up could not be completed: say why instead of vanishing.
        Dialogos::actual().MsgBox(
            QStringLiteral("No se pudo iniciar la agenda.\nError %1: %2").arg(error.numero()).arg(error.descripcion()),
            Msg::OkSolo + Msg::Critico, QStringLiteral("Agenda"));
        return 1;
    }
}
