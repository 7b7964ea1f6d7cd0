#pragma once

#include "platform/ado/LectorFilas.h"

#include <QSqlRecord>

#include <functional>

namespace ado {

// The rows of a query as a Qt driver reads them, values as ValorLeido gives them. Each column is what
// `columna` makes of the driver's field and the length of the longest text read in it.
class LectorFilasQtSql : public LectorFilas {
public:
    using Columnas = std::function<Columna(const QSqlField& campo, int masLargo)>;

    LectorFilasQtSql(QSqlRecord registro, Columnas columna);

    void agrega(const QVariantList& crudos) override;
    [[nodiscard]] Resultado termina() override;

    // The ADO type of a column a Qt driver describes.
    [[nodiscard]] static int TipoDeCampo(const QSqlField& campo);
    // A value a Qt driver read, as every backend gives it: a null is QVariant() whatever the column's
    // type, as on the embedded database, and a date is a date-time at midnight.
    [[nodiscard]] static QVariant ValorLeido(QVariant valor);

private:
    QSqlRecord registro_;
    Columnas columna_;
    QList<int> largos_;
    Resultado resultado_;
};

} // namespace ado
