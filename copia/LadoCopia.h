#pragma once

#include "copia/FilaCopia.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// One side of a copy: the agenda it reads from, or the one it writes. Every failure throws FalloCopia.
// A side is read after abreLectura and written after abreEscritura; a side being written is also
// read (columnas, cuentaFilas, leeFilas), seeing what has been written so far.
class LadoCopia {
public:
    virtual ~LadoCopia() = default;

    // The side as a message names it ("el archivo /ruta/agenda.db", "la base agenda del servidor
    // host:5432"); never a password.
    [[nodiscard]] virtual QString descripcion() const = 0;

    // Opens the side for reading, on one consistent snapshot of every table, however long the copy
    // takes and whatever others write meanwhile.
    virtual void abreLectura() = 0;
    // Opens the side for writing, all or nothing: nothing written is seen by anyone, nor left
    // behind, until confirma. Creates the agenda's schema when the side has none.
    virtual void abreEscritura() = 0;

    // The columns of `tabla` in the order the schema declares them; fails when the table is missing.
    [[nodiscard]] virtual std::vector<ColumnaCopia> columnas(const QString& tabla) = 0;
    [[nodiscard]] virtual int64_t cuentaFilas(const QString& tabla) = 0;
    // Reads every row of `tabla`, its values in the order of `columnas`, in no particular order.
    virtual void leeFilas(const QString& tabla, const std::vector<ColumnaCopia>& columnas, const LectorFilas& lector)
        = 0;

    // Before writing: what the side held when it was opened, as short Spanish texts, one for each
    // table with rows (FilasDe: "MV_AGENDA: 120 filas"); empty when it held no rows of `tablas`.
    [[nodiscard]] virtual QStringList contenidoPrevio(const QStringList& tablas) = 0;
    // Empties `tablas` (their previous rows are replaced), within what confirma makes final.
    virtual void vacia(const QStringList& tablas) = 0;

    // Writing rows: iniciaTabla, then agregaFila for each row, then terminaTabla.
    virtual void iniciaTabla(const QString& tabla, const std::vector<ColumnaCopia>& columnas) = 0;
    virtual void agregaFila(const FilaCopia& fila) = 0;
    virtual void terminaTabla() = 0;
    // Moves every generator of ids past the largest id written, so that the next row gets a new one.
    virtual void ajustaSecuencias(const QStringList& tablas) = 0;

    // Makes everything written final and durable, at once.
    virtual void confirma() = 0;
    // Drops everything written: the side is as it was before abreEscritura. Never throws.
    virtual void descarta() noexcept = 0;

protected:
    // A table's rows as contenidoPrevio names them: "MV_AGENDA: 120 filas", "ta_usuarios: 1 fila".
    [[nodiscard]] static QString FilasDe(const QString& tabla, int64_t filas)
    {
        return QStringLiteral("%1: %2 %3").arg(tabla).arg(filas).arg(filas == 1 ? "fila" : "filas");
    }
};

// A failure of the copy, with its Spanish message.
struct FalloCopia {
    QString mensaje;
};
