#include "platform/ado/dialect/PasoTop.h"

#include <algorithm>

namespace ado::dialecto {

PasoTop::PasoTop(const VistaSql& vista, const SentenciasSql& sentencias) : vista_(vista)
{
    // One entry per open scope (the statement and each parenthesis): the limit it holds, or -1.
    std::vector<qsizetype> ambitos;
    const auto cierra = [&](qsizetype ultimo) {
        if (ambitos.back() >= 0)
            limites_[ambitos.back()].ultimo = ultimo;
        ambitos.pop_back();
    };
    for (const SentenciasSql::Sentencia& s : sentencias.lista()) {
        if (s.definicion || !s.consulta)
            continue;
        ambitos.assign(1, -1);
        for (qsizetype k = s.primero; k < s.fin; ++k) {
            const TokenSql::Tipo tipo = vista_.token(k).tipo;
            if (tipo != TokenSql::Tipo::Simbolo && tipo != TokenSql::Tipo::Palabra)
                continue;
            if (vista_.esSimbolo(k, QLatin1String("("))) {
                ambitos.push_back(-1);
            } else if (vista_.esSimbolo(k, QLatin1String(")"))) {
                if (ambitos.size() > 1)
                    cierra(k - 1);
            } else if (vista_.es(k, QLatin1String("SELECT")) && ambitos.back() < 0) {
                Limite limite;
                if (!lee(k, limite))
                    continue;
                ambitos.back() = static_cast<qsizetype>(limites_.size());
                limites_.push_back(std::move(limite));
                k = limites_.back().hasta;
            }
        }
        while (!ambitos.empty())
            cierra(s.fin - 1);
    }
}

bool PasoTop::lee(qsizetype k, Limite& limite) const
{
    qsizetype top = k + 1;
    if (vista_.esAlguna(top, {QLatin1String("DISTINCT"), QLatin1String("ALL")}))
        ++top;
    if (!vista_.es(top, QLatin1String("TOP")))
        return false;
    qsizetype fin = -1;
    if (vista_.existe(top + 1) && vista_.token(top + 1).tipo == TokenSql::Tipo::Numero) {
        fin = top + 1;
        limite.texto = vista_.texto(fin).toString();
    } else if (vista_.esSimbolo(top + 1, QLatin1String("("))) {
        // Parentheses only: a CASE left open inside them still ends at their ")".
        int profundidad = 0;
        for (qsizetype m = top + 1; m < vista_.size() && fin < 0; ++m) {
            if (vista_.esSimbolo(m, QLatin1String("(")))
                ++profundidad;
            else if (vista_.esSimbolo(m, QLatin1String(")")) && --profundidad == 0)
                fin = m;
        }
        if (fin <= top + 2)
            return false;
        limite.texto = vista_.textoCompleto()
                           .mid(vista_.inicio(top + 2), vista_.fin(fin - 1) - vista_.inicio(top + 2))
                           .toString();
        // A subquery keeps its parentheses: LIMIT takes it only as one.
        if (vista_.es(top + 2, QLatin1String("SELECT")))
            limite.texto = u'(' + limite.texto + u')';
    } else {
        return false;
    }
    if (vista_.es(fin + 1, QLatin1String("PERCENT"))
        || (vista_.es(fin + 1, QLatin1String("WITH")) && vista_.es(fin + 2, QLatin1String("TIES"))))
        return false;
    limite.select = k;
    limite.desde = top;
    limite.hasta = fin;
    return true;
}

qsizetype PasoTop::tras(qsizetype select) const
{
    const auto it = std::lower_bound(limites_.begin(), limites_.end(), select,
                                     [](const Limite& l, qsizetype k) { return l.select < k; });
    return it != limites_.end() && it->select == select ? it->hasta + 1 : select + 1;
}

void PasoTop::marca(MarcasSql& marcas) const
{
    for (const Limite& l : limites_) {
        if (l.ultimo < 0 || vista_.token(l.ultimo).abierto)
            continue;
        marcas.omite(l.desde, l.hasta);
        marcas.agregaSufijo(l.ultimo, QLatin1String(" LIMIT ") + l.texto);
    }
}

} // namespace ado::dialecto
