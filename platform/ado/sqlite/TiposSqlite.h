#pragma once

#include "platform/ado/TiposColumnas.h"

#include <QString>

#include <optional>

namespace ado::sqlite {

// The ADO type and defined size that a column's declared SQLite type stands for.
struct TipoAdo {
    int tipo = 0;
    int tamano = 0;
    friend bool operator==(const TipoAdo&, const TipoAdo&) = default;
};

// Reads a declared type ("INT", "NVARCHAR(50)", "decimal (10, 2)"), ignoring case:
// INT/INTEGER → adInteger 4, BIGINT → adBigInt 8, SMALLINT → adSmallInt 2, TINYINT → adTinyInt 1,
// BIT/BOOLEAN → adBoolean 2, REAL/FLOAT/DOUBLE → adDouble 8, MONEY/SMALLMONEY → adCurrency 8,
// DECIMAL/NUMERIC → adNumeric 19, DATE/DATETIME/SMALLDATETIME/TIME/TIMESTAMP → adDBTimeStamp 16,
// CHAR(n) → adChar n, NCHAR(n) → adWChar n, VARCHAR(n)/NVARCHAR(n) → adVarWChar n (255 without
// n, adLongVarWChar 0 for MAX), TEXT/NTEXT/CLOB → adLongVarWChar 0, BLOB/IMAGE/VARBINARY → adLongVarBinary 0. Other
// names go by SQLite's affinity rules (…INT… integer, …CHAR…/…TEXT… text, …REAL…/…FLOA…/
// …DOUB… double, anything else numeric). An empty declaration gives adEmpty.
[[nodiscard]] TipoAdo TipoDeclarado(const QString& declarado);

// What SQLite is given for a column type a statement declares (CambiaTiposColumnas): it takes any
// type name but only numbers in the parentheses, so a length of MAX ("nvarchar(max)") is written -1,
// which TipoDeclarado reads as MAX. Nothing for every other type.
[[nodiscard]] std::optional<QString> TipoSqlite(const TipoColumna& tipo);

// Classes of declared types, for the dialect and for procedure parameters.
[[nodiscard]] bool EsTipoFecha(const QString& declarado); // contains DATE or TIME
[[nodiscard]] bool EsTipoTexto(const QString& declarado); // contains CHAR, TEXT or CLOB
[[nodiscard]] bool EsTipoEntero(const QString& declarado); // contains INT, or is BIT/BOOLEAN

} // namespace ado::sqlite
