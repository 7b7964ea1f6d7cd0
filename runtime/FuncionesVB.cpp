#include "runtime/FuncionesVB.h"

namespace FuncionesVB {

QString LTrim(QStringView texto)
{
    qsizetype i = 0;
    while (i < texto.size() && texto[i] == u' ')
        ++i;
    return texto.mid(i).toString();
}

QString RTrim(QStringView texto)
{
    qsizetype n = texto.size();
    while (n > 0 && texto[n - 1] == u' ')
        --n;
    return texto.left(n).toString();
}

QString Trim(QStringView texto)
{
    qsizetype i = 0;
    qsizetype n = texto.size();
    while (i < n && texto[i] == u' ')
        ++i;
    while (n > i && texto[n - 1] == u' ')
        --n;
    return texto.mid(i, n - i).toString();
}

bool EnBlanco(QStringView texto)
{
    for (QChar c : texto)
        if (c != u' ')
            return false;
    return true;
}

} // namespace FuncionesVB
