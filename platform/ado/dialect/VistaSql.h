#pragma once

#include "platform/ado/dialect/TokenizadorSql.h"

#include <QLatin1String>
#include <QList>
#include <QString>
#include <QStringView>

#include <initializer_list>
#include <vector>

namespace ado::dialecto {

// The significant tokens of a SQL text (neither blanks nor comments), numbered 0 .. size() - 1, with the
// questions every reader of SQL asks of them: is it this keyword or this symbol, which name does it give
// once unquoted, which token closes the bracket it opens, how deep in brackets it lies. A number outside
// 0 .. size() - 1 answers false, -1 or an empty text, so a reader may look past either end without
// checking first. The view reads `texto` in place: the text must outlive it.
class VistaSql {
public:
    explicit VistaSql(QStringView texto);

    [[nodiscard]] qsizetype size() const { return sig_.size(); }
    [[nodiscard]] QStringView textoCompleto() const { return texto_; }
    // Every token, blanks and comments included, covering the text; significant token k is tokens()[indice(k)].
    [[nodiscard]] const QList<TokenSql>& tokens() const { return tokens_; }
    [[nodiscard]] qsizetype indice(qsizetype k) const { return sig_[k]; }
    [[nodiscard]] const TokenSql& token(qsizetype k) const { return tokens_[sig_[k]]; }
    [[nodiscard]] bool existe(qsizetype k) const { return k >= 0 && k < sig_.size(); }
    // Where token k starts in the text, and where it ends (one past its last character).
    [[nodiscard]] qsizetype inicio(qsizetype k) const { return token(k).inicio; }
    [[nodiscard]] qsizetype fin(qsizetype k) const { return token(k).inicio + token(k).largo; }
    // The token as written; empty outside the view.
    [[nodiscard]] QStringView texto(qsizetype k) const;

    // A keyword or plain name equal to `palabra` ignoring case; never a quoted name.
    [[nodiscard]] bool es(qsizetype k, QLatin1String palabra) const;
    [[nodiscard]] bool esAlguna(qsizetype k, std::initializer_list<QLatin1String> palabras) const;
    [[nodiscard]] bool esSimbolo(qsizetype k, QLatin1String simbolo) const;
    // A plain, [bracketed] or "quoted" name (keywords included: the view does not know the grammar).
    [[nodiscard]] bool esNombre(qsizetype k) const;
    // A string literal with both its quotes.
    [[nodiscard]] bool esCadena(qsizetype k) const;

    // The name token k gives: brackets or quotes removed and the doubled closing quote undone; a quote
    // left open gives the rest of the text.
    [[nodiscard]] QString nombreEscrito(qsizetype k) const;
    // The same in upper case, the form in which names compare.
    [[nodiscard]] QString nombre(qsizetype k) const;
    // The value of a string literal: the N and the quotes removed, '' undone.
    [[nodiscard]] QString cadena(qsizetype k) const;
    // The same for a name or string token written alone: "[a]]b]" gives a]b, "'o''k'" gives o'k.
    [[nodiscard]] static QString sinComillas(QStringView escrito);

    // The token matching a "(" or ")", a CASE or its END; -1 when there is none. A ")" never closes a
    // CASE nor an END a "(": a stray END (of a BEGIN block) is left unmatched, and so is a CASE
    // whose parenthesis closes before its END. Both ends of a pair stand at one depth.
    [[nodiscard]] qsizetype pareja(qsizetype k) const;
    // How many parentheses are open around token k: 0 at the statement's level. A "(" and its ")"
    // stand at the depth outside them.
    [[nodiscard]] int profundidad(qsizetype k) const;
    // The first token after `k` at k's depth that is `simbolo` or one of `palabras`, jumping over
    // brackets; size() when there is none before the depth closes.
    [[nodiscard]] qsizetype siguiente(qsizetype k, QLatin1String simbolo,
                                      std::initializer_list<QLatin1String> palabras = {}) const;

private:
    void empareja() const;

    QStringView texto_;
    QList<TokenSql> tokens_;
    QList<qsizetype> sig_;
    // Made on first need: many readers never ask.
    mutable std::vector<qsizetype> parejas_;
    mutable std::vector<int> profundidades_;
};

} // namespace ado::dialecto
