#pragma once

namespace ado {
class Connection;
}

// The configuration rows a new agenda database starts with: working hours 9:00 to 18:00 and
// 30-minute slots (group "DATOS" of TA_CONFIGURACION).
class ConfiguracionInicial {
public:
    // Inserts the rows on an open database that has the schema; raises ErrorVB when one fails.
    static void Carga(ado::Connection& conexion);
};
