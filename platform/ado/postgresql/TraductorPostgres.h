#pragma once

#include "platform/ado/dialect/TraductorDialecto.h"

#include <QString>

namespace ado::postgresql {

// The suite's dialect rewritten for PostgreSQL (TraductorDialecto documents the shared rules). Text
// columns are citext, which compares ignoring case and keeping accents; an expression compared with
// text ("LTRIM(RTRIM(Nombre)) = 'JOSÉ'", any LIKE) is cast to citext so that it compares the same way.
// [Name] and "Name" come out in lower case, as unquoted names fold. LEN, CHARINDEX and GETDATE call
// the functions ProveedorPostgres creates on its connection (pg_temp.kq_len, ...), as do "+"
// (pg_temp.kq_suma) and the server functions of DefinicionesFuncionesSuite, CAST and CONVERT included
// (pg_temp.kq_a_ and the kind of result); ISNULL becomes COALESCE. A LIKE pattern with a bracket
// class, a backslash or not written as a literal goes through pg_temp.kq_patron and "~*"; a text
// compared with literals goes through rtrim, the literals without their trailing blanks. Day-first
// dates that the rewrite does not see are read by the connection's DateStyle.
class TraductorPostgres {
public:
    // `ordenIcu`: the session has the collation pg_temp.kq_orden (ICU, Spanish, case ignored), which
    // then orders a text column of an ORDER BY (see RasgosDialecto::ordenColumnaTexto).
    explicit TraductorPostgres(dialecto::EsquemaDialecto esquema, bool ordenIcu = false);

    [[nodiscard]] QString traduce(const QString& sentencia) const { return traductor_.traduce(sentencia); }

    // "EXEC name args" as PostgreSQL runs it: positional arguments as they are, "@name = value" as
    // "name => value", a missing argument left to the routine's default. `esFuncion` gives
    // "SELECT * FROM name(...)", which returns the function's rows; otherwise "CALL name(...)".
    // Nothing when the text is not an EXEC call with a name.
    [[nodiscard]] static std::optional<QString> llamada(const QString& sentencia, bool esFuncion);
    // The routine an EXEC call names, in lower case, without owner or brackets ("" when none).
    [[nodiscard]] static QString rutina(const QString& sentencia);

private:
    dialecto::TraductorDialecto traductor_;
};

} // namespace ado::postgresql
