#pragma once

#include "platform/ado/dialect/TraductorDialecto.h"

namespace ado::sqlite {

using dialecto::EsquemaDialecto;

// The suite's dialect rewritten for SQLite (TraductorDialecto documents the rules): text comparisons,
// ordering and grouping take " COLLATE KQ_CI"; "+" becomes KQ_SUMA; the server's functions LEN,
// CHARINDEX, GETDATE, LEFT, RIGHT, SUBSTRING, REPLICATE, SPACE, CHAR, ASCII, STR, ISNUMERIC, ROUND,
// YEAR, MONTH, DAY, DATEADD, DATEDIFF and DATEPART become KQ_ and their name, CAST and CONVERT
// KQ_CONVERT; ISNULL becomes IFNULL. The collation and functions are those RegistraFuncionesDialecto registers on the
// connection.
class TraductorSqlite {
public:
    explicit TraductorSqlite(EsquemaDialecto esquema);

    [[nodiscard]] QString traduce(const QString& sentencia) const { return traductor_.traduce(sentencia); }

private:
    dialecto::TraductorDialecto traductor_;
};

} // namespace ado::sqlite
