#include "platform/ado/dialect/ClaseSentencia.h"

#include "runtime/FuncionesVB.h"

#include <QList>

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
    if (es("SET")) {
        // SET NOCOUNT ON|OFF: the rows-affected messages it switches do not exist here.
        QStringView resto = sentencia.mid(fin).trimmed();
        while (resto.endsWith(u';'))
            resto = resto.chopped(1).trimmed();
        const QList<QStringView> palabras = resto.split(u' ', Qt::SkipEmptyParts);
        const auto igual = [&](qsizetype i, const char* p) {
            return i < palabras.size() && FuncionesVB::IgualSinCaso(palabras[i], QLatin1String(p));
        };
        clase.sinEfecto = palabras.size() == 2 && igual(0, "NOCOUNT") && (igual(1, "ON") || igual(1, "OFF"));
    }
    return clase;
}

} // namespace ado::dialecto
