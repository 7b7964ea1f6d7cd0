#pragma once

#include <QString>

// The exchange of table names for the synonym tables (SS_ prefix) that users who are not
// administrators query instead. A name is exchanged only in these contexts, each keeping the
// characters around it: blank-name-blank, "(" name blank, blank name ".", "(" name ".", "," name "."
// and, for MA_CUENTAS only, "{" name ".". Searches ignore case; the synonym is written in upper case.
// The marker "@Admin_" in front of a name keeps the base table for every user and is always removed.
class SinonimosTablas {
public:
    // The text with the names exchanged (or, for an administrator, only the markers removed).
    [[nodiscard]] static QString Sustituye(const QString& sql, bool esAdmin);
};
