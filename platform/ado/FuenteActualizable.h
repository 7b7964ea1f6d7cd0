#pragma once

#include <QString>

#include <optional>

namespace ado {

// The table that a recordset source reads and that Update may write to. Only a single-table
// query qualifies: "SELECT ... FROM name", optionally followed by WHERE ... and/or ORDER BY ...,
// and an optional final ";". The name may be [bracketed], "quoted" or owner-qualified
// (dbo.name, dbo.[name]); the bare name is returned. Keywords ignore case; quoted texts and
// parenthesised subqueries in the column list or the WHERE clause are skipped over.
// Nothing for any other source: a join, a comma-separated FROM list, a table alias, a subquery
// after FROM, GROUP BY / HAVING, UNION / EXCEPT / INTERSECT, or a text that is not a SELECT.
[[nodiscard]] std::optional<QString> TablaActualizable(const QString& fuente);

} // namespace ado
