#pragma once

#include "data/DialogoAcceso.h"

// The real login dialog: frmAcceso, modal, its platform list ("SQL Server", "ORACLE",
// "SQLite (base local)", "PostgreSQL") standing for the engines of the same names.
class DialogoAccesoQt : public DialogoAcceso {
public:
    bool Pide(DatosAcceso& datos) override;
};
