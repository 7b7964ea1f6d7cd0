#include "data/DiccionarioOracle.h"

#include "data/LiteralesSql.h"
#include "platform/ado/CadenaConexion.h"
#include "platform/ado/dialect/FechasDialecto.h"
#include "platform/ado/dialect/TokenizadorSql.h"
#include "runtime/ErrorVB.h"
#include "runtime/FuncionesVB.h"
#include "runtime/SharedRuntime.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <array>

using FuncionesVB::Trim;

namespace {

constexpr auto ci = Qt::CaseInsensitive;

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

// The separators of the WHERE tokens, in the order they are looked for.
constexpr std::array<char16_t, 7> kSeparadores{u' ', u'<', u'>', u'"', u'=', u'(', u')'};

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
    using Tipo = ado::dialecto::TokenSql::Tipo;
    const auto tokens = ado::dialecto::TokenizadorSql::divide(valor);
    const auto es = [&](const ado::dialecto::TokenSql& t, const char* palabra) {
        return t.tipo == Tipo::Palabra
            && QStringView(valor).mid(t.inicio, t.largo).compare(QLatin1String(palabra), ci) == 0;
    };
    int previas = 0; // 1 after SELECT, 2 after SELECT DISTINCT
    for (const auto& t : tokens) {
        if (t.tipo == Tipo::Espacio || t.tipo == Tipo::Comentario)
            continue;
        if (previas > 0 && es(t, "TOP"))
            return t.inicio;
        if (previas == 1 && es(t, "DISTINCT"))
            previas = 2;
        else
            previas = es(t, "SELECT") ? 1 : 0;
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
    using Tipo = ado::dialecto::TokenSql::Tipo;
    QString resultado;
    resultado.reserve(w.size());
    for (const auto& t : ado::dialecto::TokenizadorSql::divide(w)) {
        const QStringView pieza = QStringView(w).mid(t.inicio, t.largo);
        if (t.tipo != Tipo::NombreCorchetes || t.abierto) {
            resultado += pieza;
            continue;
        }
        resultado += ado::dialecto::TokenizadorSql::entreComillas(pieza);
    }
    return resultado;
}

// The WHERE part cut into tokens at blanks and the separators and rebuilt with single blanks, each
// date column wrapped so that it compares by day. A literal or a comment is one token, whole.
QString columnasFecha(const LiteralesSql& partes)
{
    const QString& w = partes.texto();
    const qsizetype donde = partes.cubierto().indexOf(QLatin1String(" WHERE "), 0, ci);
    if (donde < 0)
        return w;
    QString resultado = Trim(QStringView(w).left(donde + 1));
    const QStringView clausula = QStringView(w).mid(donde);
    const QStringView cubierta = QStringView(partes.cubierto()).mid(donde);
    const qsizetype fin = clausula.size();

    // Next occurrence of each separator at or after the search start; searches only move forward,
    // so the whole clause is scanned a bounded number of times.
    std::array<qsizetype, kSeparadores.size()> siguiente{};
    siguiente.fill(-2);
    auto proximo = [&](std::size_t s, qsizetype desde) {
        if (siguiente[s] != -1 && siguiente[s] < desde)
            siguiente[s] = cubierta.indexOf(QChar(kSeparadores[s]), desde);
        return siguiente[s];
    };

    // Where each quoted name of the clause starts → where it ends, read over the whole text: a name
    // opened before the WHERE is not taken to open again inside the clause.
    QHash<qsizetype, qsizetype> finNombres;
    for (const auto& t : ado::dialecto::TokenizadorSql::divide(w)) {
        if (t.tipo == ado::dialecto::TokenSql::Tipo::NombreComillas && t.inicio >= donde)
            finNombres.insert(t.inicio - donde, t.inicio + t.largo - donde);
    }

    qsizetype i = 0;
    auto saltaBlancos = [&] {
        while (i < fin && clausula[i] == u' ')
            ++i;
    };
    saltaBlancos();
    while (i < fin) {
        qsizetype finToken;
        if (cubierta[i] == LiteralesSql::kCubierto) {
            finToken = i + 1;
            while (finToken < fin && cubierta[finToken] == LiteralesSql::kCubierto)
                ++finToken;
        } else if (const auto nombre = finNombres.constFind(i); nombre != finNombres.cend()) {
            // A quoted name, whole, as the tokenizer reads it: a doubled quote inside it stands for
            // itself, and an unclosed one runs to the end.
            finToken = *nombre;
        } else {
            qsizetype menor = -1;
            for (std::size_t s = 0; s < kSeparadores.size(); ++s) {
                const qsizetype p = proximo(s, i + 1);
                if (p >= 0 && (menor < 0 || p < menor))
                    menor = p;
            }
            finToken = menor < 0 ? fin : menor + 1;
        }
        QString token = Trim(clausula.mid(i, finToken - i));
        i = finToken;
        saltaBlancos();
        if (nombresColumnasFecha().contains(token.toUpper()))
            token = QStringLiteral("TO_DATE(TO_CHAR(") + token + QStringLiteral(",'DD/MM/YYYY'),'DD/MM/YYYY')");
        resultado += u' ';
        resultado += token;
    }
    return resultado;
}

// Every quoted literal that reads as a date becomes TO_DATE('dd/mm/yyyy','DD/MM/YYYY'), where it
// stands; error 5 for a quote that is never closed.
QString literalesFecha(const QString& w)
{
    using Tipo = ado::dialecto::TokenSql::Tipo;
    QString resultado;
    resultado.reserve(w.size());
    qsizetype copiado = 0;
    for (const auto& t : ado::dialecto::TokenizadorSql::divide(w)) {
        if (t.tipo != Tipo::Cadena)
            continue;
        if (t.abierto)
            ElevaLlamadaNoValida(QStringLiteral("ORACLE_Dicc"));
        const qsizetype abre = t.inicio + (t.nacional ? 1 : 0);
        const QString literal
            = w.mid(abre + 1, t.inicio + t.largo - abre - 2).replace(QLatin1String("''"), QLatin1String("'"));
        if (esFecha(literal)) {
            const QString dia = ado::dialecto::LeeFechaConDia(literal)->date().toString(QStringLiteral("dd/MM/yyyy"));
            resultado += QStringView(w).mid(copiado, abre - copiado);
            resultado += QStringLiteral("TO_DATE('") + dia + QStringLiteral("','DD/MM/YYYY')");
            copiado = t.inicio + t.largo;
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
        const QString proveedor = ado::CadenaConexion(cadenaConexion).proveedor();
        ultima.propio = false;
        for (const char* propio : {"SQLite", "PostgreSQL", "ODBC"})
            ultima.propio = ultima.propio || proveedor.compare(QLatin1String(propio), ci) == 0;
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
    const LiteralesSql partes(sinCorchetes(conLen.texto()));
    LiteralesSql traducido(literalesFecha(columnasFecha(partes)));
    traducido.reemplaza(u"Charindex", u"InStr");
    return traducido.texto();
}
