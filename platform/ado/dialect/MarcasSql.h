#pragma once

#include "platform/ado/dialect/VistaSql.h"

#include <QList>
#include <QString>

namespace ado::dialecto {

// What each token of a text becomes, as the rewrite's passes decide it: written before it, instead of
// it, after it, or left out. Every pass marks the same object and the result is written once. The
// marks are numbered as the view's tokens() are, blanks and comments included (VistaSql::indice).
class MarcasSql {
public:
    struct Marca {
        QString prefijo;
        QString sufijo;
        QString reemplazo;
        bool reemplaza = false;
        bool omite = false;
    };

    explicit MarcasSql(const VistaSql& vista) : vista_(vista) { }

    // The mark of token `indiceToken` of tokens(), made empty on first need.
    Marca& marca(qsizetype indiceToken);
    // The suffix after significant token `k`, appended to those it has (`interior`: put before them,
    // for the innermost of several wraps ending there). Nothing after an unterminated quote, which
    // runs to the end of the text: whatever followed it would be written inside the quote.
    void agregaSufijo(qsizetype k, const QString& sufijo, bool interior = false);
    // Whether significant token `k` is replaced or left out already.
    [[nodiscard]] bool sustituido(qsizetype k) const;
    // Significant tokens `desde` to `hasta`, and the blanks between them, left out.
    void omite(qsizetype desde, qsizetype hasta);

    // The text with every mark applied. [Name] becomes "Name" ("name" in lower case with
    // `minusculas`, which lowers "Name" too); N'x' becomes 'x'. What is written or left out never
    // joins the words on either side into one token.
    [[nodiscard]] QString escribe(bool minusculas) const;

private:
    void agregaToken(QString& salida, const TokenSql& tk, bool minusculas) const;

    const VistaSql& vista_;
    QList<Marca> marcas_; // one per token once anything is marked
};

} // namespace ado::dialecto
