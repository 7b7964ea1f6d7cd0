#pragma once

#include <QString>
#include <QVariant>

namespace ado {

class Recordset;

// One column of the recordset's current row. Value() is a null QVariant for a database NULL,
// distinct from an empty text; date columns hold QDateTime.
class Field {
public:
    Field(Recordset& recordset, int indice) : recordset_(&recordset), indice_(indice) { }

    [[nodiscard]] QString Name() const;
    // Raises the ADO "BOF or EOF" error when there is no current row.
    [[nodiscard]] QVariant Value() const;
    // Assigns the value of the current (or new) row; written by Recordset::Update.
    void setValue(const QVariant& valor);
    [[nodiscard]] int Type() const;
    [[nodiscard]] int DefinedSize() const;

private:
    Recordset* recordset_;
    int indice_;
};

// The columns of a recordset, by position (from 0) or by name ignoring case.
class Fields {
public:
    explicit Fields(Recordset& recordset) : recordset_(&recordset) { }

    [[nodiscard]] int Count() const;
    // Raises error 3265 for a position or name the recordset does not have.
    [[nodiscard]] Field Item(int indice) const;
    [[nodiscard]] Field Item(const QString& nombre) const;
    [[nodiscard]] Field operator[](int indice) const { return Item(indice); }
    [[nodiscard]] Field operator[](const QString& nombre) const { return Item(nombre); }

private:
    Recordset* recordset_;
};

} // namespace ado
