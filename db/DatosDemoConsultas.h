#pragma once

namespace ado {
class Connection;
}

// The demo rows of the masters the lookups read: about 320 clients and 150 suppliers (some
// marked as dropped), 540 articles in a three-level family tree with reorder points, stock (some
// empty) and eight prices, 200 contacts, salespeople, technicians, maintenance jobs, storage
// positions and cost centres with hierarchical codes, and the configuration keys of the lookups.
// The rows are the same on every load: names come from fixed lists, combined in a fixed order.
class DatosDemoConsultas {
public:
    // Inserts the rows on a database that has the schema; raises ErrorVB on failure.
    static void Carga(ado::Connection& conexion);
};
