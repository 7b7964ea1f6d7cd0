#include "platform/ado/dialect/ClaseSentencia.h"

#include "runtime/FuncionesVB.h"

namespace ado::dialecto {

ClaseSentencia ClasificaSentencia(QStringView sentencia)
{
    qsizetype inicio = 0;
    while (inicio < sentencia.size()
           && (sentencia[inicio].isSpace() || sentencia[inicio] == u'(' || sentencia[inicio] == u';'))
        ++inicio;
    qsizetype fin = inicio;
    while (fin < sentencia.size() && sentencia[fin].isLetter())
        ++fin;
    const QStringView palabra = sentencia.mid(inicio, fin - inicio);
    const auto es = [&](const char* p) { return FuncionesVB::IgualSinCaso(palabra, QLatin1String(p)); };
    ClaseSentencia clase;
    clase.llamada = es("EXEC") || es("EXECUTE");
    clase.cambiaEsquema = es("CREATE") || es("ALTER") || es("DROP");
    clase.cuentaRegistros = es("INSERT") || es("UPDATE") || es("DELETE") || es("REPLACE") || es("WITH");
    return clase;
}

} // namespace ado::dialecto
