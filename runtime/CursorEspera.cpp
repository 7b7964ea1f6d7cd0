#include "runtime/CursorEspera.h"

#include <QCursor>
#include <QGuiApplication>

CursorEspera::CursorEspera()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        puesto_ = true;
    }
}

CursorEspera::~CursorEspera()
{
    if (puesto_ && QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}
