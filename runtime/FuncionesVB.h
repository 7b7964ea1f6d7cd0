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

} // namespace FuncionesVB
