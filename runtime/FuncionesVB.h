#pragma once

#include <QString>
#include <QStringView>

// Text functions with the suite's own semantics where they differ from Qt's.
namespace FuncionesVB {

// Leading and trailing blanks (code 32 only, not tabs or line breaks) removed.
[[nodiscard]] QString Trim(QStringView texto);
[[nodiscard]] QString LTrim(QStringView texto);
[[nodiscard]] QString RTrim(QStringView texto);
// True when the text is empty or holds only blanks.
[[nodiscard]] bool EnBlanco(QStringView texto);

// Position of the first occurrence of an ASCII pattern at or after `desde`, ignoring the case of
// ASCII letters, or -1. Much faster than Qt's general case-insensitive search, which folds every
// character: these searches run on every statement the program sends.
[[nodiscard]] qsizetype BuscaSinCaso(QStringView texto, QLatin1StringView patron, qsizetype desde = 0);
[[nodiscard]] inline bool ContieneSinCaso(QStringView texto, QLatin1StringView patron)
{
    return BuscaSinCaso(texto, patron) >= 0;
}
// Replaces every occurrence of the ASCII pattern (case ignored), left to right, without overlaps.
void ReemplazaSinCaso(QString& texto, QLatin1StringView patron, QStringView nuevo);

} // namespace FuncionesVB
