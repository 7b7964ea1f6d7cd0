#pragma once

#include "platform/ado/Proveedor.h"

#include <QVariantList>

namespace ado {

// Builds a client-side rowset from the raw values a query gives, row by row. Each backend says how
// its columns are typed and its values read; the loop over the rows is the provider's.
class LectorFilas {
public:
    virtual ~LectorFilas() = default;

    // Converts one row of raw values, one per column, and keeps it.
    virtual void agrega(const QVariantList& crudos) = 0;
    // The rowset: its columns and every row kept.
    [[nodiscard]] virtual Resultado termina() = 0;
};

} // namespace ado
