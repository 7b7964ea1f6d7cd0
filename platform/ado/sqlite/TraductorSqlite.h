#pragma once

#include "platform/ado/dialect/TraductorDialecto.h"

namespace ado::sqlite {

using dialecto::EsquemaDialecto;

// The suite's dialect rewritten for SQLite (TraductorDialecto documents the rules): text comparisons
// and ORDER BY items take " COLLATE KQ_CI"; LEN, CHARINDEX and GETDATE become KQ_LEN, KQ_CHARINDEX and
// KQ_GETDATE, ISNULL becomes IFNULL. The collation and functions are those RegistraFuncionesDialecto
// registers on the connection.
class TraductorSqlite {
public:
    explicit TraductorSqlite(EsquemaDialecto esquema);

    [[nodiscard]] QString traduce(const QString& sentencia) const { return traductor_.traduce(sentencia); }

private:
    dialecto::TraductorDialecto traductor_;
};

} // namespace ado::sqlite
