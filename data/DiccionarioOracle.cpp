#include "data/DiccionarioOracle.h"

#include "data/LiteralesSql.h"
#include "platform/ado/CadenaConexion.h"
#include "platform/ado/RegistroProveedores.h"
#include "platform/ado/dialect/FechasDialecto.h"
#include "platform/ado/dialect/VistaSql.h"
#include "runtime/ErrorVB.h"
#include "runtime/FuncionesVB.h"
#include "runtime/SharedRuntime.h"

#include <QRegularExpression>
#include <QSet>

using FuncionesVB::Trim;

namespace {

constexpr auto ci = Qt::CaseInsensitive;
using ado::dialecto::TokenSql;
using ado::dialecto::VistaSql;
using Tipo = TokenSql::Tipo;

const QSet<QString>& nombresColumnasFecha()
{
    static const QSet<QString> columnas = [] {
        const char* const nombres[] = {"FECHA",
                                       "FECHAD",
                                       "FECHAH",
                                       "VENCIMIENTO",
                                       "FECHASUBDIARIO",
                                       "FECHAENTREGA",
                                       "FECHA_A_VENCER",
                                       "FECHA_DMR",
                                       "INGRESO",
                                       "EGRESO",
                                       "FECHAHORA_GRABACION",
                                       "FECHAHORA_MODIFICACION",
                                       "FECHA_COMPRA",
                                       "FECHA_REVALUACION",
                                       "VENCIMIENTO_REGISTRO",
                                       "VENCIMIENTO_SEGURO",
                                       "VTO_VTV",
                                       "VTO_C_VERDE",
                                       "VTO_SEGURO",
                                       "FECHAAVISO",
                                       "FECHAALARMA",
                                       "FECHALEIDO",
                                       "FECHAPRESENTACION",
                                       "FECHAVTOPRESENTACION",
                                       "FECHA_CIERRE",
                                       "FECHAMOV",
                                       "FECHA_DESDE",
                                       "FECHA_HASTA",
                                       "FECHA_ALTA",
                                       "FECHA_MODIFICACION",
                                       "\"FECHA DESDE\"",
                                       "\"FECHA HASTA\"",
                                       "FECHA_INICIO",
                                       "FECHA_FINALIZACION",
                                       "FECHA_RENDICION",
                                       "ACARGODESDE",
                                       "FECHACASAMIENTO",
                                       "FECHAINGRESO",
                                       "FECHANACIMIENTO",
                                       "FECHAINGRESOANTERIOR",
                                       "FECHAEGRESO",
                                       "VENCECONTRATO",
                                       "FECHAALTA",
                                       "PDESDE",
                                       "PHASTA",
                                       "FECHAPROCESO",
                                       "FECHAHORAENTREVISTA",
                                       "FECHAOPERATIVA",
                                       "FECHAPAGO",
                                       "FECHAHORA",
                                       "FECHASOLICITUD",
                                       "FECHACARGA",
                                       "FECHACOMPROMETIDO",
                                       "FECHAORDENCPRA",
                                       "VENCEM",
                                       "VENCER",
                                       "FECHA_GRABACION",
                                       "FHOFERTADESDE",
                                       "FHOFERTAHASTA",
                                       "FHOPERATIVA",
                                       "FHALTA",
                                       "FHCIERRE",
                                       "COT_FECHA",
                                       "FECHAESTINCIO",
                                       "FECHAESTFIN",
                                       "FECHAFINALIZACION",
                                       "FECHAENTREGA",
                                       "FECHAENCPTE",
                                       "FECHAINCIO",
                                       "FECHAFIN",
                                       "FECHAREALINICIO",
                                       "FECHAREALFIN",
                                       "FECHAINVIADO",
                                       "FECHARECIBIDO",
                                       "ACTUALIZADO",
                                       "FECHA_ANULACION",
                                       "DIAMOLIENDA",
                                       "DIAMEZCLA",
                                       "FECHAEMISION",
                                       "FINALIZADO",
                                       "SINCRONIZADO",
                                       "VENCEA",
                                       "VENCEB",
                                       "VENCEC",
                                       "VENCEE",
                                       "VENCEX"};
        QSet<QString> s;
        for (const char* n : nombres)
            s.insert(QString::fromLatin1(n));
        return s;
    }();
    return columnas;
}

// The literal reads as a date: day-first with slashes, dashes or dots (optionally with a time), or
// year-first. A run of digits alone is a number, not a date.
bool esFecha(QStringView literal)
{
    bool soloDigitos = !literal.isEmpty();
    for (QChar c : literal)
        soloDigitos = soloDigitos && c.isDigit();
    return !soloDigitos && ado::dialecto::LeeFechaConDia(literal).has_value();
}

// The position of the TOP that limits a query: the keyword right after SELECT (or SELECT DISTINCT),
// outside literals and comments; -1 when the text has none.
qsizetype posicionTop(const QString& valor)
{
    const VistaSql v(valor);
    for (qsizetype k = 1; k < v.size(); ++k) {
        if (v.es(k, QLatin1String("TOP"))
            && (v.es(k - 1, QLatin1String("SELECT"))
                || (v.es(k - 1, QLatin1String("DISTINCT")) && v.es(k - 2, QLatin1String("SELECT")))))
            return v.inicio(k);
    }
    return -1;
}

// TOP n becomes a ROWNUM condition: the text in front of TOP, the rest of the query, the condition
// (AND when the query has a WHERE, else WHERE), then the GROUP BY or ORDER BY part moved behind it.
// Works on the upper-cased text; WHERE, GROUP BY and ORDER BY count only outside literals.
QString top(const QString& valor, qsizetype p)
{
    const LiteralesSql partes(valor);
    const QString& cubierto = partes.cubierto();
    const QString antes = valor.left(p);
    const QString resto = Trim(QStringView(valor).mid(p + 3));
    const qsizetype blanco = resto.indexOf(u' ');
    if (blanco < 0)
        ElevaLlamadaNoValida(QStringLiteral("ORACLE_Dicc"));
    const QString n = resto.left(blanco);
    static const QRegularExpression numero(QStringLiteral("^([0-9]+|\\([0-9]+\\))$"));
    if (!numero.match(n).hasMatch())
        ElevaLlamadaNoValida(QStringLiteral("ORACLE_Dicc"));
    QString cuerpo = resto.mid(blanco + 1);

    QString cola1;
    QString cola2;
    if (const qsizetype g = cubierto.indexOf(QLatin1String(" GROUP BY "), 0, ci); g >= 0)
        cola1 = valor.mid(g);
    else if (const qsizetype o = cubierto.indexOf(QLatin1String(" ORDER BY "), 0, ci); o >= 0)
        cola2 = valor.mid(o);

    const QString condicion
        = partes.contiene(u" WHERE ") ? QStringLiteral(" AND ROWNUM <= ") + n : QStringLiteral(" WHERE ROWNUM <= ") + n;
    for (const QString& cola : {Trim(cola1), Trim(cola2)})
        if (!cola.isEmpty())
            cuerpo.replace(cola, QStringLiteral(" "), ci);
    return antes + u' ' + cuerpo + u' ' + condicion + u' ' + cola1 + u' ' + cola2;
}

// Bracketed names become quoted ones: [name] is written "name", with "]]" read as "]" and a double
// quote inside doubled. Only whole bracketed names change, so every quote opened is closed.
QString sinCorchetes(const QString& w)
{
    const VistaSql v(w);
    QString resultado;
    resultado.reserve(w.size());
    qsizetype copiado = 0;
    for (qsizetype k = 0; k < v.size(); ++k) {
        if (v.token(k).tipo != Tipo::NombreCorchetes || v.token(k).abierto)
            continue;
        resultado += QStringView(w).mid(copiado, v.inicio(k) - copiado);
        resultado += ado::dialecto::TokenizadorSql::entreComillas(v.texto(k));
        copiado = v.fin(k);
    }
    resultado += QStringView(w).mid(copiado);
    return resultado;
}

// The pieces of a WHERE part, joined again with single blanks, each piece that is a date column
// wrapped so that it compares by day.
class PiezasWhere {
public:
    PiezasWhere(QString delante, bool finDeLinea) : resultado_(std::move(delante)), finDeLinea_(finDeLinea) { }

    void agrega(QStringView t) { actual_ += t; }
    // Adds one character of an operator: < > = ( and ) end the piece, unless they open it.
    void agregaSigno(QChar c)
    {
        actual_ += c;
        if (actual_.size() > 1 && QStringView(u"<>=()").contains(c))
            cierra();
    }
    // Ends the piece; after a line comment the next one goes on a new line, or it would be commented out.
    void cierra(bool finDeLinea = false)
    {
        if (actual_.isEmpty())
            return;
        resultado_ += finDeLinea_ ? u'\n' : u' ';
        if (nombresColumnasFecha().contains(actual_.toUpper()))
            resultado_ += QStringLiteral("TO_DATE(TO_CHAR(") + actual_ + QStringLiteral(",'DD/MM/YYYY'),'DD/MM/YYYY')");
        else
            resultado_ += actual_;
        actual_.clear();
        finDeLinea_ = finDeLinea;
    }
    [[nodiscard]] bool vacia() const { return actual_.isEmpty(); }
    [[nodiscard]] QString resultado()
    {
        cierra();
        return std::move(resultado_);
    }

private:
    QString resultado_;
    QString actual_;
    bool finDeLinea_ = false;
};

// The WHERE part (from the first WHERE keyword on) cut into pieces and rebuilt with single blanks,
// each date column wrapped so that it compares by day. A piece ends at a blank, and right after
// < > = ( or ) unless that character opens it. A literal, a comment or a quoted name that opens a
// piece is a piece of its own; one inside a piece stays whole in it. A line comment keeps its line end.
QString columnasFecha(const QString& w)
{
    const VistaSql v(w);
    qsizetype donde = 0;
    while (donde < v.size() && !v.es(donde, QLatin1String("WHERE")))
        ++donde;
    if (donde == v.size())
        return w;
    const QList<TokenSql>& tokens = v.tokens();
    // A line comment before WHERE ends at the blank that holds its line end.
    const qsizetype previo = v.indice(donde) - 2;
    const bool trasComentario = previo >= 0 && tokens[previo].tipo == Tipo::Comentario
        && QStringView(w).mid(tokens[previo].inicio).startsWith(u"--");
    PiezasWhere piezas(QStringView(w).left(v.inicio(donde)).trimmed().toString(), trasComentario);
    for (qsizetype i = v.indice(donde); i < tokens.size(); ++i) {
        const TokenSql& tk = tokens[i];
        const QStringView t = QStringView(w).mid(tk.inicio, tk.largo);
        switch (tk.tipo) {
        case Tipo::Espacio:
            piezas.cierra();
            break;
        case Tipo::Simbolo:
            for (const QChar c : t)
                piezas.agregaSigno(c);
            break;
        case Tipo::Palabra:
        case Tipo::Numero:
            piezas.agrega(t);
            break;
        default: {
            const bool sola = piezas.vacia();
            piezas.agrega(t);
            const bool deLinea = tk.tipo == Tipo::Comentario && t.startsWith(u"--");
            if (sola || deLinea)
                piezas.cierra(deLinea);
        }
        }
    }
    return piezas.resultado();
}

// Every quoted literal that reads as a date becomes TO_DATE('dd/mm/yyyy','DD/MM/YYYY'), where it
// stands; error 5 for a quote that is never closed.
QString literalesFecha(const QString& w)
{
    const VistaSql v(w);
    QString resultado;
    resultado.reserve(w.size());
    qsizetype copiado = 0;
    for (qsizetype k = 0; k < v.size(); ++k) {
        if (v.token(k).tipo != Tipo::Cadena)
            continue;
        if (v.token(k).abierto)
            ElevaLlamadaNoValida(QStringLiteral("ORACLE_Dicc"));
        const QString literal = v.cadena(k);
        if (esFecha(literal)) {
            const QString dia = ado::dialecto::LeeFechaConDia(literal)->date().toString(QStringLiteral("dd/MM/yyyy"));
            const qsizetype abre = v.inicio(k) + (v.token(k).nacional ? 1 : 0);
            resultado += QStringView(w).mid(copiado, abre - copiado);
            resultado += QStringLiteral("TO_DATE('") + dia + QStringLiteral("','DD/MM/YYYY')");
            copiado = v.fin(k);
        }
    }
    resultado += QStringView(w).mid(copiado);
    return resultado;
}

} // namespace

bool DiccionarioOracle::EsConexionOracle(const QString& cadenaConexion, bool desdeElSegundoCaracter)
{
    // Every statement asks about the same connection string: the answer for the last one is kept,
    // as reading the string's provider costs more than many a statement's own rewrite.
    struct Respuesta {
        bool leida = false;
        QString cadena;
        bool propio = false;
        qsizetype donde = -1;
    };
    thread_local Respuesta ultima;
    if (!ultima.leida || cadenaConexion != ultima.cadena) {
        ultima.leida = true;
        ultima.propio = ado::RegistroProveedores::esPropio(ado::CadenaConexion(cadenaConexion).proveedor());
        ultima.donde = cadenaConexion.indexOf(QLatin1String("ORACLE"), 0, ci);
        ultima.cadena = cadenaConexion;
    }
    if (ultima.propio)
        return false;
    return desdeElSegundoCaracter ? ultima.donde > 0 : ultima.donde >= 0;
}

QString DiccionarioOracle::Traduce(const QString& valor, const QString& cadenaConexion, const SharedRuntime& runtime)
{
    QString w = valor.toUpper();
    if (!EsConexionOracle(cadenaConexion, false))
        return w;
    if (runtime.CuentaPalabras(valor) <= 1)
        return w == QLatin1String("LEN") ? QStringLiteral("LENGTH") : w;

    if (const qsizetype p = posicionTop(w); p >= 0)
        w = top(w, p);
    LiteralesSql conLen(w);
    for (const char16_t* len : {u" LEN(", u" LEN (", u" LEN  (", u" LEN   (", u" LEN    ("})
        conLen.reemplaza(len, u" LENGTH(");
    LiteralesSql traducido(literalesFecha(columnasFecha(sinCorchetes(conLen.texto()))));
    traducido.reemplaza(u"Charindex", u"InStr");
    return traducido.texto();
}
