#pragma once

#include "copia/LadoCopia.h"

struct sqlite3;
struct sqlite3_stmt;

// An agenda kept in an embedded database file.
// Read: the whole file is copied into memory in one step under SQLite's read lock (the backup
// interface), so the copy works on one snapshot and a running agenda waits at most that long to write.
// Written: built under a temporary name beside the file (RutaTemporal), from the schema scripts, with
// the rows in one transaction; confirma syncs it to the disk and renames it into place, which replaces
// the file that was there at once. An interrupted copy leaves the file as it was; the temporary file
// is removed by descarta, by an interruption (InterrupcionCopia) and by the next copy to that file.
class LadoArchivo : public LadoCopia {
public:
    explicit LadoArchivo(QString ruta);
    ~LadoArchivo() override;
    LadoArchivo(const LadoArchivo&) = delete;
    LadoArchivo& operator=(const LadoArchivo&) = delete;

    [[nodiscard]] static QString RutaTemporal(const QString& ruta) { return ruta + QStringLiteral(".copia"); }

    [[nodiscard]] QString descripcion() const override;
    void abreLectura() override;
    void abreEscritura() override;
    [[nodiscard]] std::vector<ColumnaCopia> columnas(const QString& tabla) override;
    [[nodiscard]] int64_t cuentaFilas(const QString& tabla) override;
    void leeFilas(const QString& tabla, const std::vector<ColumnaCopia>& columnas, const LectorFilas& lector) override;
    // An existing file that is no agenda counts as content too.
    [[nodiscard]] QStringList contenidoPrevio(const QStringList& tablas) override;
    // Nothing to do: the new file replaces the old one whole.
    void vacia(const QStringList& tablas) override;
    void iniciaTabla(const QString& tabla, const std::vector<ColumnaCopia>& columnas) override;
    void agregaFila(const FilaCopia& fila) override;
    void terminaTabla() override;
    // Nothing to do: SQLite's own counter follows the largest id inserted.
    void ajustaSecuencias(const QStringList& tablas) override;
    void confirma() override;
    void descarta() noexcept override;

private:
    [[noreturn]] void falla(const QString& que) const;
    void ejecuta(const char* sentencia);
    void cierra() noexcept;

    QString ruta_;
    QString temporal_;
    sqlite3* base_ = nullptr;
    sqlite3_stmt* insercion_ = nullptr;
    bool escribiendo_ = false;
};
