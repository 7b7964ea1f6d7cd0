#pragma once

#include "platform/ado/dialect/TokenizadorSql.h"

#include <QList>
#include <QString>

#include <functional>

// The quoted string literals of a SQL text as the dialect's tokenizer reads them: what lies between
// the quotes (doubled quotes as written), and whether the closing quote is there.
struct LiteralSql {
    QString contenido;
    bool cerrado = true;
    friend bool operator==(const LiteralSql&, const LiteralSql&) = default;
};

inline QList<LiteralSql> literalesDe(const QString& texto)
{
    using ado::dialecto::TokenSql;
    QList<LiteralSql> lista;
    for (const TokenSql& t : ado::dialecto::TokenizadorSql::divide(texto)) {
        if (t.tipo != TokenSql::Tipo::Cadena)
            continue;
        const qsizetype desde = t.inicio + (t.nacional ? 2 : 1);
        const qsizetype hasta = t.inicio + t.largo - (t.abierto ? 0 : 1);
        lista.append({texto.mid(desde, hasta - desde), !t.abierto});
    }
    return lista;
}

// Whether every literal of `antes` that `seConserva` keeps appears in `despues`, in the same order
// (a rewrite may add literals of its own between them, never change or drop one).
inline bool seConservan(const QList<LiteralSql>& antes, const QList<LiteralSql>& despues,
                        const std::function<bool(const LiteralSql&)>& seConserva)
{
    qsizetype j = 0;
    for (const LiteralSql& literal : antes) {
        if (!seConserva(literal))
            continue;
        while (j < despues.size() && !(despues[j] == literal))
            ++j;
        if (j == despues.size())
            return false;
        ++j;
    }
    return true;
}
