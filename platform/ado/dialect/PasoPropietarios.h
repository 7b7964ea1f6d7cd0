#pragma once

#include "platform/ado/dialect/MarcasSql.h"

namespace ado::dialecto {

// The owner in front of a name goes: dbo.T and [dbo].[T] become T, in every statement, definitions
// included (a "dbo" quoted with double quotes is a name of its own and stays). Brackets and the
// case of quoted names are the writer's (MarcasSql::escribe).
class PasoPropietarios {
public:
    PasoPropietarios(const VistaSql& vista, MarcasSql& marcas) : vista_(vista), marcas_(marcas) { }

    void aplica();

private:
    const VistaSql& vista_;
    MarcasSql& marcas_;
};

} // namespace ado::dialecto
