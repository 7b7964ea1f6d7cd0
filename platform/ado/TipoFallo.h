#pragma once

#include "platform/ado/Errors.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>

namespace ado {

// The numbers of the failures of the database itself, beside ADO's own numbers (Constantes.h).
namespace NumeroError {
inline constexpr int32_t TiempoAgotado = static_cast<int32_t>(0x80040E31); // lock wait timed out
inline constexpr int32_t SinEscritura = static_cast<int32_t>(0x80040E09); // permission denied
inline constexpr int32_t EspacioAgotado = static_cast<int32_t>(0x80070070); // disk full
inline constexpr int32_t ArchivoDanado = static_cast<int32_t>(0x80070570); // file corrupt
inline constexpr int32_t ArchivoNoEncontrado = static_cast<int32_t>(0x80070002); // file not found
inline constexpr int32_t ErrorEntradaSalida = static_cast<int32_t>(0x8007045D); // I/O device error
inline constexpr int32_t SinMemoria = static_cast<int32_t>(0x8007000E); // out of memory
inline constexpr int32_t ConexionPerdida = static_cast<int32_t>(0x80072746); // connection reset
inline constexpr int32_t Inesperado = static_cast<int32_t>(0x8000FFFF); // unexpected failure
} // namespace NumeroError

// The kinds of failure every provider tells apart. Each is reported with the number the suite's
// server gives that kind (Constantes.h and above), so that the program keeps quiet or speaks exactly where
// the suite expects: the first four are the usual failures of a statement as written, which
// EjecutaConsultaSQL keeps quiet; every other kind is a database that cannot do the work (a lock,
// an unwritable, full, damaged or vanished file, a lost server) and is always shown.
enum class TipoFallo {
    ErroresEnComando, // syntax, unknown column or function, wrong arguments
    NoExisteTabla, // unknown table or view
    ViolacionIntegridad, // a constraint refused the row
    Fallo, // any other refusal of the statement as written (an object already there, ...)
    TiempoAgotado, // a lock held by another connection outlasted the wait
    SinEscritura, // the database file or its folder cannot be written
    EspacioAgotado, // the disk is full or the database reached its size limit
    ArchivoDanado, // the file is damaged or is not a database
    ArchivoNoEncontrado, // the file is missing, or was removed, moved or renamed while open
    ErrorEntradaSalida, // the disk failed to read or write
    SinMemoria,
    ConexionPerdida, // the server closed or lost the connection
    SinServidor, // the server cannot be reached: not running, unknown or behind a closed port
    Inesperado, // a fault inside the provider or the database engine
};

// The error for a failure of that kind: its number, its SQLState ("42000", "42S02", "23000",
// "HYT00" for the time-out, "HY000" otherwise), a Spanish description that names the cause, followed
// by the provider's own text in parentheses when there is one ("No existe la tabla o vista (no such
// table: X)"), the provider's native code and its name as source.
[[nodiscard]] Error ErrorDeTipo(TipoFallo tipo, const QString& detalle, int32_t nativo, const QString& origen);

// The number a kind is reported with.
[[nodiscard]] int32_t NumeroDeTipo(TipoFallo tipo);

// One row of a backend's table of SQLSTATEs: five characters name one state, two a whole class.
struct EstadoSql {
    const char* estado;
    TipoFallo tipo;
};
// The kind of the first row of `tabla` that `estado` matches (case ignored); nothing when none does.
// A table lists its exact states before the classes they belong to.
[[nodiscard]] std::optional<TipoFallo> TipoDeEstadoSql(const QString& estado, std::span<const EstadoSql> tabla);

} // namespace ado
