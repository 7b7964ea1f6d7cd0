#pragma once

#include <QString>
#include <QStringList>

// The pieces of a lookup statement that the server-side searches of the lookup dialogs work on.
// Keywords are found by the SQL tokenizer, so a word inside a literal, a quoted name or a
// parenthesised subquery is never taken for the statement's own clause.
class SentenciaConsulta {
public:
    struct Partes {
        QString SQLBase; // the statement up to its ordering clause
        QString OrdenSQL; // "ORDER BY ..." to the end, or "" when the statement has none
    };

    // Splits the statement at its own (outermost) ORDER BY. Without one, SQLBase is the whole text
    // and OrdenSQL is empty.
    [[nodiscard]] static Partes DivideOrden(const QString& SQL);

    // The statement narrowed by `condicion` (a complete condition, such as "NOMBRE like 'A%' "):
    // SQLBase + joint + condicion + OrdenSQL, with the joint " where " when the statement has no
    // WHERE of its own and " and " when it has. An existing filter is put in parentheses first, so
    // that "A = 1 OR A = 2" keeps its meaning and all of its rows are narrowed by the new condition.
    [[nodiscard]] static QString AgregaCondicion(const QString& SQL, const QString& condicion);

    // The items of a field list ("ID, ISNULL(Nombre, '') AS N, [a,b]"), cut at its outermost commas
    // only, each without its surrounding blanks. A comma inside parentheses, a literal or a quoted
    // name cuts nothing. An empty or blank list gives no item.
    [[nodiscard]] static QStringList DivideCampos(const QString& campos);

    // The text as the body of a single-quoted SQL literal: every single quote doubled, so that
    // nothing in it can end the literal.
    [[nodiscard]] static QString CuerpoLiteral(const QString& texto);
};
