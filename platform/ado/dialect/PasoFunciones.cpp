#include "platform/ado/dialect/PasoFunciones.h"

namespace ado::dialecto {
namespace {

const QLatin1String kPartesFecha[] = {
    QLatin1String("DATEADD"),
    QLatin1String("DATEDIFF"),
    QLatin1String("DATEPART"),
    QLatin1String("DATENAME"),
};

} // namespace

void PasoFunciones::marca(MarcasSql& marcas) const
{
    for (const SentenciasSql::Sentencia& s : sentencias_.lista()) {
        if (s.definicion)
            continue;
        for (qsizetype k = s.primero; k < s.fin; ++k) {
            if (vista_.token(k).tipo != TokenSql::Tipo::Palabra || !vista_.esSimbolo(k + 1, QLatin1String("("))
                || vista_.esSimbolo(k - 1, QLatin1String(".")) || marcas.sustituido(k))
                continue;
            parteDeFecha(k, marcas);
            for (const FuncionDialecto& f : rasgos_.funciones) {
                if (vista_.token(k).largo == f.suite.size()
                    && vista_.texto(k).compare(f.suite, Qt::CaseInsensitive) == 0) {
                    MarcasSql::Marca& m = marcas.marca(vista_.indice(k));
                    m.reemplaza = true;
                    m.reemplazo = f.motor;
                    break;
                }
            }
        }
    }
}

void PasoFunciones::parteDeFecha(qsizetype k, MarcasSql& marcas) const
{
    if (!vista_.existe(k + 2) || vista_.token(k + 2).tipo != TokenSql::Tipo::Palabra
        || !vista_.esSimbolo(k + 3, QLatin1String(",")))
        return;
    for (const QLatin1String& funcion : kPartesFecha) {
        if (vista_.es(k, funcion)) {
            MarcasSql::Marca& m = marcas.marca(vista_.indice(k + 2));
            m.reemplaza = true;
            m.reemplazo = u'\'' + vista_.texto(k + 2).toString() + u'\'';
            return;
        }
    }
}

} // namespace ado::dialecto
