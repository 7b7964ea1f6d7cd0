#pragma once

#include "runtime/ErrorVB.h"

#include <cstdint>
#include <functional>
#include <initializer_list>

// Action codes a trap handler answers with (what the error reporter's buttons give).
namespace AccionError {
inline constexpr int16_t Repetir = 4; // run the failing step again
inline constexpr int16_t Continuar = 5; // go on with the next step
} // namespace AccionError

using Paso = std::function<void()>;
using ManejadorError = std::function<int16_t(const ErrorVB&)>;

// Runs a trapping procedure written as a sequence of steps. When a step raises ErrorVB, the handler
// is asked what to do: 4 runs the same step again, 5 goes on with the next step, any other answer
// leaves the procedure. A step may leave the procedure normally through SalDelProcedimiento().
// Returns true when every step ran (or was continued past), false when the procedure was left early.
// Anything that is not an ErrorVB (FinDePrograma among others) passes through untouched.
bool EjecutaPasos(std::initializer_list<Paso> pasos, const ManejadorError& manejador);

// Leaves the procedure that EjecutaPasos is running, like an early return; not an error.
[[noreturn]] void SalDelProcedimiento();

// A handler that ignores every error: the failing step is skipped and the next one runs.
int16_t IgnoraErrores(const ErrorVB&);
