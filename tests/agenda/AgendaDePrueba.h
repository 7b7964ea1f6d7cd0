#pragma once

#include "support/BaseDePrueba.h"
#include "support/DialogosGuionados.h"

#include <QDate>
#include <QStringList>
#include <QVariant>

#include <memory>

class FrmMVAgenda;
namespace ado {
class Connection;
}

// An agenda window on a temporary database (embedded or on the test server) with "today" fixed: the program's data-access object is
// connected to it (as administrator) with every text it sends recorded, the dialogs are scripted,
// the program folder and INI search path are the database's temporary folder,
// and a second connection lets the test prepare and read rows behind the window's back.
class AgendaDePrueba {
public:
    explicit AgendaDePrueba(bool conDemo = false, const QDate& hoy = QDate(2025, 3, 5), Motor motor = Motor::SQLite);
    ~AgendaDePrueba();

    [[nodiscard]] FrmMVAgenda& ventana() { return *ventana_; }
    [[nodiscard]] DialogosGuionados& dialogos() { return *dialogos_; }
    // The texts sent through the program's connection since the last call to limpiaTraza().
    [[nodiscard]] const QStringList& traza() const { return traza_; }
    void limpiaTraza() { traza_.clear(); }
    [[nodiscard]] const BaseDePrueba& base() const { return base_; }

    // Runs a statement on the test's own connection.
    void ejecuta(const QString& sentencia);
    // The first column of the first row of a query on the test's own connection (invalid when none).
    [[nodiscard]] QVariant valor(const QString& consulta);
    // A configuration key with its value (null for a row with no value).
    void configura(const QString& clave, const QVariant& valor);
    // A slot of today's test day at "HH:mm", with optional ids (0 for none) and note.
    void franja(const QString& hora, int idProceso = 0, int idEntrevista = 0, const QVariant& mensaje = {});

    // Shows the window and waits until it is active.
    void muestra();
    // Shows the window and loads the calendar's day on `dia`, as a date click does.
    void muestraDia(const QDate& dia);
    // Double-clicks the note of row `fila` (a click first: an item view ignores a double click that
    // no press came before).
    void dobleClic(int fila);

private:
    DialogosDePrueba dialogos_;
    BaseDePrueba base_;
    QDate hoy_;
    QStringList traza_;
    std::unique_ptr<ado::Connection> conexion_;
    std::unique_ptr<FrmMVAgenda> ventana_;
};
