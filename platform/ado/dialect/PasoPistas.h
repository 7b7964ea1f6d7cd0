#pragma once

#include "platform/ado/dialect/MarcasSql.h"

#include <utility>
#include <vector>

namespace ado::dialecto {

// Table hints go: "WITH (NOLOCK)", "WITH (NOLOCK, INDEX(ix, 2))" and the old "(NOLOCK)" after a table
// or alias, for any of the server's hint words. Parentheses that hold anything else than hint words
// (each with its arguments or none) stay, as dropping them would drop text the statement holds.
class PasoPistas {
public:
    PasoPistas(const VistaSql& vista, MarcasSql& marcas) : vista_(vista), marcas_(marcas) { }

    // The hints that start at significant token `k` (a WITH or a "(") go; returns the token after
    // them, or -1 when none start there.
    qsizetype quita(qsizetype k);
    // The token after the hints `quita` dropped from significant token `k`; -1 when it dropped
    // none there. For the passes that read the statement after the walk that asks `quita`.
    [[nodiscard]] qsizetype tras(qsizetype k) const;

private:
    [[nodiscard]] bool esPista(qsizetype k) const;
    [[nodiscard]] bool soloPistas(qsizetype abre, qsizetype cierra) const;

    const VistaSql& vista_;
    MarcasSql& marcas_;
    std::vector<std::pair<qsizetype, qsizetype>> quitadas_; // first and last token, in text order
};

} // namespace ado::dialecto
