#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

struct sqlite3;

namespace ado::sqlite {

// The unique keys of an embedded database that hold text (primary keys, UNIQUE columns and unique
// indexes without a WHERE, on tables of the main file), kept the way the suite's server keeps them:
// two keys whose texts differ only in case, accented letters included ('ÁLBA' and 'álba'), or in
// trailing blanks are the same key; accents still count ('ALBA' and 'ÁLBA' are two keys). The file
// declares them with SQLite's own NOCASE, or no collation at all, so that any SQLite tool reads it;
// the program's connection adds the rest with temporary triggers of its own, which the file never
// holds: an INSERT or UPDATE that would repeat a key that way is refused with SQLite's words for a
// repeated key ("UNIQUE constraint failed: MA_CUENTAS.CODIGO"), numbered as any broken constraint.
// Keys SQLite itself already finds repeated are left to it (INSERT OR REPLACE keeps its meaning).
class ClavesSqlite {
public:
    // Registers on the connection the function the triggers name (KQ_CLAVE_PREFIJO).
    static void RegistraFunciones(sqlite3* conexion);

    // Reads the keys of the open database and makes the connection's triggers match them: after
    // opening the file and whenever its schema may have changed. Cheap when nothing changed. A
    // trigger the connection cannot create leaves that key as SQLite keeps it; nothing is thrown.
    void protege(const QSqlDatabase& base);

    // One Spanish sentence for each key whose rows already repeat one another the server's way (a
    // file written before, or by another tool): the rows stay and can be read and changed, but no
    // new row may repeat them. Empty when there are none.
    [[nodiscard]] QStringList repetidas(const QSqlDatabase& base) const;

private:
    struct Columna {
        QString nombre;
        QString coleccion; // the key's collation of the column: NOCASE, BINARY...
        bool texto = false;
    };
    struct Clave {
        QString tabla;
        QString indice;
        QList<Columna> columnas;
    };

    [[nodiscard]] static QList<Clave> lee(const QSqlDatabase& base);
    // Whether the key's first column is text in a NOCASE index, which a range can then search.
    [[nodiscard]] static bool conIndiceNocase(const Clave& clave);
    // "EXISTS (...)": another row of the table whose key the server finds equal to the key of
    // `fila` (NEW in a trigger, an alias in a query), rows with exactly that key left aside.
    [[nodiscard]] static QString otraFila(const Clave& clave, const QString& fila);
    [[nodiscard]] static QStringList disparadores(const Clave& clave);

    QList<Clave> claves_;
    QStringList instalados_; // the CREATE statements of the triggers in place
};

} // namespace ado::sqlite
