#include "Entrada.h"
#include "platform/ado/dialect/TokenizadorSql.h"
#include "platform/ado/dialect/VistaSql.h"

#include <cstdlib>

using ado::dialecto::TokenSql;

// The tokens cover the text exactly, in order, none of them empty; a closed literal starts and ends
// with its quote. Over the significant tokens, brackets pair both ways at one depth, never negative.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    const QString texto = textoDe(datos, largo);
    qsizetype esperado = 0;
    for (const TokenSql& t : ado::dialecto::TokenizadorSql::divide(texto)) {
        if (t.inicio != esperado || t.largo <= 0)
            std::abort();
        if (t.tipo == TokenSql::Tipo::Cadena && !t.abierto) {
            const qsizetype abre = t.inicio + (t.nacional ? 1 : 0);
            if (t.largo < abre - t.inicio + 2 || texto[abre] != u'\'' || texto[t.inicio + t.largo - 1] != u'\'')
                std::abort();
        }
        esperado += t.largo;
    }
    if (esperado != texto.size())
        std::abort();
    const ado::dialecto::VistaSql vista(texto);
    for (qsizetype k = 0; k < vista.size(); ++k) {
        const qsizetype p = vista.pareja(k);
        if (vista.profundidad(k) < 0
            || (p >= 0 && (vista.pareja(p) != k || vista.profundidad(p) != vista.profundidad(k))))
            std::abort();
    }
    return 0;
}
