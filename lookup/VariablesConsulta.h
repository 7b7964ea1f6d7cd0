#pragma once

#include "lookup/Coleccion.h"

#include <QString>
#include <QVariant>

// The public variables both lookup dialogs share: what the caller fills before showing a dialog
// and what it reads back after exec() returns.
struct VariablesConsulta {
    // The lookup statement. The dialog narrows it for searches on the server.
    QString SQL;
    // The returned column or field (each dialog says how it reads it).
    QString CampoDevuelto;
    // Captions of the columns whose values are returned in single-choice mode; may be unset.
    // Unset by a cancel.
    Coleccion CmpsDevueltos;
    // Multiple choice: every row or node has a check box.
    bool CheckBoxes = false;
    // Set by the caller; not used by the dialogs.
    QString gConnString;
    // The single returned value: text, or empty when nothing was chosen or after a cancel.
    QVariant ValorDevuelto;
    // Initial text of the first search box.
    QString FiltroInicial;
    // Set by the caller; not used by the dialogs.
    QString CampoBusqueda;
    // Let the list keep its rows sorted by text (the statement brings no ORDER BY of its own).
    bool OrdenarPorLwv = false;
    // The returned values: a new empty collection at every load; unset by a cancel.
    Coleccion Valores;
    // A new empty collection at every load; never filled (quantities live in the list's cells).
    Coleccion Cantidades;
    // The quantity keys of the list (Insert, Shift+Insert, Delete) are on.
    bool UsaCantidades = false;
};
