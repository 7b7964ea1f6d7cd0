#pragma once

#include "platform/ado/Constantes.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// What a column holds, as far as comparing its values across databases goes; whole numbers are
// written alike by every database and compare as texts do.
enum class ClaseColumna { Decimal, Fecha, Texto };

// The class of a column of ADO type `tipo`, as each side's provider reads its declared type.
[[nodiscard]] inline ClaseColumna ClaseDeTipoAdo(int tipo)
{
    switch (tipo) {
    case ado::adSingle:
    case ado::adDouble:
    case ado::adCurrency:
    case ado::adDecimal:
    case ado::adNumeric:
        return ClaseColumna::Decimal;
    case ado::adDate:
    case ado::adDBDate:
    case ado::adDBTimeStamp:
        return ClaseColumna::Fecha;
    default:
        return ClaseColumna::Texto;
    }
}

struct ColumnaCopia {
    QString nombre;
    ClaseColumna clase = ClaseColumna::Texto;
};

// One value as the database wrote it out in text (UTF-8); std::nullopt is NULL.
using ValorCopia = std::optional<QByteArray>;
using FilaCopia = std::vector<ValorCopia>;
// Receives each row read, in the order of the columns asked for.
using LectorFilas = std::function<void(const FilaCopia&)>;
