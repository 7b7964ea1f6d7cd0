#pragma once

#include "platform/ado/dialect/MarcasSql.h"
#include "platform/ado/dialect/SentenciasSql.h"

#include <QString>

#include <vector>

namespace ado::dialecto {

// TOP n or TOP (n) after SELECT [DISTINCT|ALL] becomes " LIMIT n" after the last token of that
// SELECT's scope: the end of its statement or the token before the parenthesis closing its
// subquery; in a compound SELECT the LIMIT therefore ends the whole compound. A subquery as the
// limit keeps its parentheses. TOP ... PERCENT, WITH TIES and a second TOP in a scope that has one
// stay as written, for the database to report; so does a TOP whose LIMIT would follow an
// unterminated quote. Definitions are left alone.
class PasoTop {
public:
    PasoTop(const VistaSql& vista, const SentenciasSql& sentencias);

    // The token after the TOP clause of the SELECT at `select` when that SELECT's scope takes its
    // LIMIT; select + 1 otherwise.
    [[nodiscard]] qsizetype tras(qsizetype select) const;
    // Writes the LIMITs: the TOP clauses go, the limits follow their scopes.
    void marca(MarcasSql& marcas) const;

private:
    struct Limite {
        qsizetype select = -1;
        qsizetype desde = -1; // the TOP ...
        qsizetype hasta = -1; // ... up to its number or closing parenthesis
        qsizetype ultimo = -1; // the scope's last token, once it closes
        QString texto;
    };

    // Reads the TOP clause of the SELECT at `k`; false when there is none to rewrite.
    bool lee(qsizetype k, Limite& limite) const;

    const VistaSql& vista_;
    std::vector<Limite> limites_; // in the order of their SELECTs
};

} // namespace ado::dialecto
