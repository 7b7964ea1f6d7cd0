#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// Answers "the first row whose text begins with this prefix, ignoring case" for one column of a
// list, in logarithmic time: the texts are kept trimmed and case-folded, sorted, beside their row
// numbers. Built once for a column and thrown away when the column's texts change.
class IndicePrefijos {
public:
    // `textos[i]` is the text of row i.
    explicit IndicePrefijos(std::vector<QString> textos);

    // The lowest row whose trimmed text begins with `prefijo` (already trimmed) ignoring case; -1
    // when none does.
    [[nodiscard]] int PrimeraFila(QStringView prefijo) const;

private:
    std::vector<QString> claves_; // per row: its text trimmed and case-folded
    std::vector<int> orden_; // rows ordered by their key
};
