#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// What a column holds, as far as comparing its values across databases goes.
enum class ClaseColumna { Entero, Decimal, Fecha, Texto };

struct ColumnaCopia {
    QString nombre;
    ClaseColumna clase = ClaseColumna::Texto;
};

// One value as the database wrote it out in text (UTF-8); std::nullopt is NULL.
using ValorCopia = std::optional<QByteArray>;
using FilaCopia = std::vector<ValorCopia>;
// Receives each row read, in the order of the columns asked for.
using LectorFilas = std::function<void(const FilaCopia&)>;
