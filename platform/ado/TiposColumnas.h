#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace ado {

// The type a column definition names, as written: its name in lower case ("nvarchar") and what
// its parentheses hold, blanks as written ("max", "10, 2"; empty when there are none).
struct TipoColumna {
    QString nombre;
    QString medidas;
};

// What a backend writes for a declared type; nothing keeps the type as written. It may throw to
// refuse a type the engine cannot keep.
using CambioTipo = std::function<std::optional<QString>(const TipoColumna&)>;

// The column types of a CREATE TABLE (its column list) or of an ALTER TABLE ... ADD [COLUMN], each
// replaced by what `cambio` makes of it; everything else stays exactly as written, comments and
// literals included. A column's type is the word after its name, with the parentheses that follow
// it; table constraints (CONSTRAINT, PRIMARY KEY, UNIQUE, FOREIGN KEY, CHECK, INDEX) name none. Any
// other statement comes back unchanged.
[[nodiscard]] QString CambiaTiposColumnas(const QString& sentencia, const CambioTipo& cambio);

} // namespace ado
