#pragma once

#include <QString>
#include <QStringView>

// A SQL text beside a copy of it in which the quoted literals and the comments are covered, as the
// dialect's tokenizer reads them ('...' with '' inside, N'...', "-- ..." to the line end,
// "/* ... */"). The Oracle translation and the script runner find keywords and patterns with plain
// text searches; they search the covered copy instead, so that nothing inside a literal or a comment
// is found, cut or rewritten: a note that reads "Llevar la laptop" holds no TOP, "Llamar a Walter"
// no ALTER.
class LiteralesSql {
public:
    // What stands in the covered copy for each character of a literal or a comment.
    static constexpr char16_t kCubierto = 0x0001;

    explicit LiteralesSql(const QString& texto);

    [[nodiscard]] const QString& texto() const { return texto_; }
    // The text with every character of a literal or a comment replaced by kCubierto, which no
    // keyword, pattern or separator holds. Same length as the text: positions in one are positions in the other.
    [[nodiscard]] const QString& cubierto() const { return cubierto_; }

    // Replaces every occurrence of `buscado` (case ignored) that lies wholly outside literals and
    // comments by `nuevo`, scanning left to right without rescanning what was inserted. `nuevo`
    // must open no literal or comment of its own.
    void reemplaza(QStringView buscado, QStringView nuevo);

    // Whether `buscado` (case ignored) occurs outside literals and comments.
    [[nodiscard]] bool contiene(QStringView buscado) const { return cubierto_.contains(buscado, Qt::CaseInsensitive); }

private:
    QString texto_;
    QString cubierto_;
};
