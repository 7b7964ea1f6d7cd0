#pragma once

#include "platform/ado/dialect/TokenizadorSql.h"

#include <QHash>
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

// Whether every literal of `antes` that `seConserva` keeps appears in `despues`, one for one: a
// rewrite may add literals of its own and move one (TOP (n) becomes LIMIT n at the end), never
// change or drop one.
inline bool seConservan(const QList<LiteralSql>& antes, const QList<LiteralSql>& despues,
                        const std::function<bool(const LiteralSql&)>& seConserva)
{
    QHash<QString, int> disponibles;
    const auto clave = [](const LiteralSql& l) { return l.contenido + (l.cerrado ? u'c' : u'a'); };
    for (const LiteralSql& literal : despues)
        ++disponibles[clave(literal)];
    for (const LiteralSql& literal : antes) {
        if (seConserva(literal) && --disponibles[clave(literal)] < 0)
            return false;
    }
    return true;
}
