#pragma once

#include <QDate>

namespace ado {
class Connection;
}

// The demo data, laid out relative to the day it is loaded: slots for today and the next four days,
// interviews and evaluations booked in them (some pending, some done), free slots with notes, the
// users "admin" (administrator) and "ana" (not an administrator), working hours 9:00 to 18:00 and a
// slot length of 30 minutes.
class DatosDemo {
public:
    // Loads the data into a database that has the schema and nothing else; raises ErrorVB on failure.
    static void Carga(ado::Connection& conexion, const QDate& hoy);
};
