#pragma once

#include <QString>
#include <QStringView>
#include <QVariantList>

#include <optional>

namespace ado::sqlite {

// A statement with its literals taken out: `forma` is the text with "?" in place of each literal,
// `valores` their values in order.
struct SentenciaParametrizada {
    QString forma;
    QVariantList valores;
};

// Turns the literals of a translated INSERT, UPDATE or DELETE into positional parameters, so that
// statements that differ only in their values share one prepared statement. A value means exactly
// what its literal meant: '...' is text (doubled quotes undone; '' is an empty text, never NULL),
// plain digits an integer (qlonglong), digits with a point a real (double). A real that a double
// cannot hold exactly (0.1) stays in the text as written, because the database's own decimal
// conversion is not guaranteed to round as ours does; names, keywords and NULL stay too.
// No result (the caller runs the statement as written) when:
//  - the first word is not INSERT, UPDATE or DELETE;
//  - the text holds SELECT (a subquery's row order may follow the plan), ORDER BY, GROUP BY,
//    RETURNING, parameters of its own (?, :x, @x, #x, $x), a NUL character, an unterminated quote
//    or comment, or a type with a length (CAST(x AS VARCHAR(10)));
//  - a literal could stand for a name: a string after a word other than an operator keyword (AND,
//    OR, NOT, IS, LIKE, GLOB, REGEXP, MATCH, ESCAPE, BETWEEN, CASE, WHEN, THEN, ELSE, WHERE, LIMIT,
//    OFFSET), next to a ".", before the values of an INSERT (its column list), or before the "=" of
//    an assignment;
//  - a blob X'..', a hexadecimal or exponent number, a number glued to letters, an integer beyond
//    64 bits;
//  - more than kMaximoLiterales literals.
class ParametrizadorSqlite {
public:
    static constexpr int kMaximoLiterales = 500;

    [[nodiscard]] static std::optional<SentenciaParametrizada> parametriza(QStringView sentencia);
};

} // namespace ado::sqlite
