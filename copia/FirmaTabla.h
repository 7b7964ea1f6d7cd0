#pragma once

#include "copia/FilaCopia.h"

#include <QString>

#include <cstdint>

// The row count and checksum of a table's values, the same whichever database holds them: each value
// is first put in one canonical text (CanonicoDe), so that 13, 13.0 and 13.0000 in a decimal column,
// or "2025-03-05T09:30" and "2025-03-05 09:30:00" in a date column, count as the same value, while
// NULL, '' and 'NULL' stay apart. Rows may come in any order: the checksum adds one hash per row.
class FirmaTabla {
public:
    void agrega(const FilaCopia& fila, const std::vector<ColumnaCopia>& columnas);

    [[nodiscard]] int64_t filas() const { return filas_; }
    [[nodiscard]] uint64_t suma() const { return suma_; }
    // The checksum as 16 hexadecimal digits.
    [[nodiscard]] QString sumaHex() const;
    bool operator==(const FirmaTabla&) const = default;

    // The canonical text of `valor` in a column of `clase`: integers and texts as they are; decimals
    // without exponent, leading zeros or trailing fractional zeros ("-0" is "0"); dates as
    // "yyyy-MM-dd hh:mm:ss" with the fraction of a second, when there is one, without trailing zeros.
    // A value that does not read as its class is kept as it is.
    [[nodiscard]] static QByteArray CanonicoDe(const QByteArray& valor, ClaseColumna clase);

private:
    int64_t filas_ = 0;
    uint64_t suma_ = 0;
};
