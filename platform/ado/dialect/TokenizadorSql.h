#pragma once

#include <QList>
#include <QStringView>

namespace ado::dialecto {

// One lexical piece of a SQL text, as a span of the text it was read from.
struct TokenSql {
    enum class Tipo : unsigned char {
        Espacio, // blanks, tabs and line ends
        Comentario, // "-- ..." up to the line end, or "/* ... */"
        Palabra, // keyword or plain name: letters, digits, _ @ # $ (not starting with a digit)
        Numero, // 12, 1.5, .5, 1e3, 0x1F
        Cadena, // '...' with '' inside; also N'...' (then `nacional`)
        NombreCorchetes, // [...] with ]] inside
        NombreComillas, // "..." with "" inside
        CadenaDolar, // $$...$$ or $tag$...$tag$: a routine's body, taken whole
        Simbolo, // an operator or punctuation: one character, or <= >= <> != !< !> || ==
    };
    Tipo tipo;
    bool abierto = false; // a quoted piece that reaches the end of the text without its closing quote
    bool nacional = false; // a Cadena written N'...'
    qsizetype inicio = 0;
    qsizetype largo = 0;
};

// Splits a SQL text into tokens in one pass, respecting quotes. The tokens cover the text exactly, in
// order, without gaps: joining their spans gives the text back. Never fails: an unterminated quote or
// comment runs to the end of the text, and a character it does not know is a one-character Simbolo.
class TokenizadorSql {
public:
    [[nodiscard]] static QList<TokenSql> divide(QStringView texto);
    // The one token that starts at `desde` (0 <= desde < texto.size()), as divide reads it there: for a
    // reader that needs only the first tokens of a long text.
    [[nodiscard]] static TokenSql lee(QStringView texto, qsizetype desde);
    // A whole bracketed name ("[a]]b\"c]") written as a quoted one ("a]b""c"): "]]" stands for "]",
    // a double quote is doubled.
    [[nodiscard]] static QString entreComillas(QStringView corchetes);
    // A name written as a quoted one (a"b → "a""b"), and a text as a string literal (o'k → 'o''k'):
    // what VistaSql reads back as the name or the string.
    [[nodiscard]] static QString citaNombre(QStringView nombre);
    [[nodiscard]] static QString citaCadena(QStringView texto);
    // Whether `c` goes on a name or a number: two texts meeting between two such characters read as one.
    [[nodiscard]] static bool siguePalabra(QChar c);
};

} // namespace ado::dialecto
