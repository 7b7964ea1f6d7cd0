#include "runtime/SharedRuntime.h"

#include <QCoreApplication>
#include <QLocale>
#include <QWidget>

// The one member that touches a window: built with the runtime's windows, so that the rest of
// SharedRuntime needs no graphical library.
void SharedRuntime::PreparaFormulario(QWidget* ventana, int) const
{
    if (!ventana)
        return;
    if (ventana->windowTitle().isEmpty())
        ventana->setWindowTitle(QCoreApplication::applicationName());
    ventana->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
}
