#pragma once

#include <QGuiApplication>

// Shows the wait cursor for as long as the object lives; nests safely.
class CursorEspera {
public:
    CursorEspera() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorEspera() { QGuiApplication::restoreOverrideCursor(); }
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;
};
