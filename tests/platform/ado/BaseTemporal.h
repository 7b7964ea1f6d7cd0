#pragma once

#include "platform/ado/Connection.h"
#include "runtime/ErrorVB.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// A fresh database file in a temporary folder, with an open connection to it.
struct BaseTemporal {
    QTemporaryDir carpeta;
    ado::Connection conexion;

    [[nodiscard]] QString archivo() const { return carpeta.filePath(QStringLiteral("prueba.db")); }
    [[nodiscard]] QString cadena() const
    {
        return QStringLiteral("Provider=SQLite;Database=%1;Crear=SI").arg(archivo());
    }

    // Opens the connection and runs the statements; false (with a message) when any fails.
    bool prepara(const QStringList& sentencias = {})
    {
        try {
            conexion.Open(cadena());
            for (const QString& s : sentencias)
                conexion.Execute(s);
        } catch (const ErrorVB& e) {
            qWarning("%s", e.what());
            return false;
        }
        return true;
    }
};

// Runs `expresion`, which must raise ErrorVB; yields its number, or 0 when it raised nothing.
template <typename F>
int32_t numeroDeError(F&& expresion)
{
    try {
        expresion();
    } catch (const ErrorVB& e) {
        return e.numero();
    }
    return 0;
}
