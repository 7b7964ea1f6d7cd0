#include "platform/ado/dialect/ClaseSentencia.h"

#include "platform/ado/dialect/VistaSql.h"
#include "runtime/FuncionesVB.h"

namespace ado::dialecto {
namespace {

// The first word of the statement, past blanks, comments, "(" and ";". Only the tokens before it are
// read: the statement may be long and most callers need nothing else.
TokenSql primeraPalabra(QStringView sentencia)
{
    using Tipo = TokenSql::Tipo;
    for (qsizetype i = 0; i < sentencia.size();) {
        const TokenSql tk = TokenizadorSql::lee(sentencia, i);
        const bool salta = tk.tipo == Tipo::Espacio || tk.tipo == Tipo::Comentario
            || (tk.tipo == Tipo::Simbolo && (sentencia[i] == u'(' || sentencia[i] == u';'));
        if (!salta)
            return tk;
        i += tk.largo;
    }
    return TokenSql{Tipo::Espacio};
}

// SET NOCOUNT ON|OFF, with nothing after it but ";".
bool esSetNocount(QStringView resto)
{
    const VistaSql v(resto);
    qsizetype fin = v.size();
    while (v.esSimbolo(fin - 1, QLatin1String(";")))
        --fin;
    return fin == 2 && v.es(0, QLatin1String("NOCOUNT")) && v.esAlguna(1, {QLatin1String("ON"), QLatin1String("OFF")});
}

} // namespace

ClaseSentencia ClasificaSentencia(QStringView sentencia)
{
    const TokenSql tk = primeraPalabra(sentencia);
    const QStringView palabra = tk.tipo == TokenSql::Tipo::Palabra ? sentencia.mid(tk.inicio, tk.largo) : QStringView();
    const auto es = [&](const char* p) { return FuncionesVB::IgualSinCaso(palabra, QLatin1String(p)); };
    ClaseSentencia clase;
    clase.llamada = es("EXEC") || es("EXECUTE");
    clase.cambiaEsquema = es("CREATE") || es("ALTER") || es("DROP");
    clase.cuentaRegistros = es("INSERT") || es("UPDATE") || es("DELETE") || es("REPLACE") || es("WITH");
    // SET NOCOUNT ON|OFF: the rows-affected messages it switches do not exist here.
    clase.sinEfecto = es("SET") && esSetNocount(sentencia.mid(tk.inicio + tk.largo));
    return clase;
}

} // namespace ado::dialecto
