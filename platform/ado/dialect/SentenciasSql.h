#pragma once

#include "platform/ado/dialect/VistaSql.h"

#include <vector>

namespace ado::dialecto {

// The statements of a text, as the rewrite's passes share them: runs of significant tokens split at
// ";". A definition (CREATE, ALTER, DROP) runs on past the ";" inside its BEGIN ... END and
// CASE ... END, as a trigger's body holds statements of its own. Empty statements are left out.
class SentenciasSql {
public:
    struct Sentencia {
        qsizetype primero = 0;
        qsizetype fin = 0; // the ";" that ends it, or the view's size()
        bool definicion = false;
        // It holds a SELECT, ORDER, GROUP, UNION, EXCEPT, INTERSECT, MIN, MAX or COUNT: without
        // one, the passes that order text or limit a SELECT have nothing to do in it.
        bool consulta = false;
    };

    explicit SentenciasSql(const VistaSql& vista);

    [[nodiscard]] const std::vector<Sentencia>& lista() const { return lista_; }

    // Whether token `k` is a keyword that ends the column list of a SELECT of its scope (FROM,
    // WHERE, ORDER, UNION and the like).
    [[nodiscard]] static bool terminaColumnas(const VistaSql& vista, qsizetype k);

private:
    std::vector<Sentencia> lista_;
};

} // namespace ado::dialecto
