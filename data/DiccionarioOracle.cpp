#include "data/DiccionarioOracle.h"

#include "platform/ado/dialect/FechasDialecto.h"
#include "runtime/ErrorVB.h"
#include "runtime/FuncionesVB.h"
#include "runtime/SharedRuntime.h"

#include <QSet>

#include <array>

using FuncionesVB::Trim;

namespace {

constexpr auto ci = Qt::CaseInsensitive;

const QSet<QString>& columnasFecha()
{
    static const QSet<QString> columnas = [] {
        const char* const nombres[] = {
            "FECHA", "FECHAD", "FECHAH", "VENCIMIENTO", "FECHASUBDIARIO", "FECHAENTREGA", "FECHA_A_VENCER",
            "FECHA_DMR", "INGRESO", "EGRESO", "FECHAHORA_GRABACION", "FECHAHORA_MODIFICACION", "FECHA_COMPRA",
            "FECHA_REVALUACION", "VENCIMIENTO_REGISTRO", "VENCIMIENTO_SEGURO", "VTO_VTV", "VTO_C_VERDE",
            "VTO_SEGURO", "FECHAAVISO", "FECHAALARMA", "FECHALEIDO", "FECHAPRESENTACION",
            "FECHAVTOPRESENTACION", "FECHA_CIERRE", "FECHAMOV", "FECHA_DESDE", "FECHA_HASTA", "FECHA_ALTA",
            "FECHA_MODIFICACION", "\"FECHA DESDE\"", "\"FECHA HASTA\"", "FECHA_INICIO", "FECHA_FINALIZACION",
            "FECHA_RENDICION", "ACARGODESDE", "FECHACASAMIENTO", "FECHAINGRESO", "FECHANACIMIENTO",
            "FECHAINGRESOANTERIOR", "FECHAEGRESO", "VENCECONTRATO", "FECHAALTA", "PDESDE", "PHASTA",
            "FECHAPROCESO", "FECHAHORAENTREVISTA", "FECHAOPERATIVA", "FECHAPAGO", "FECHAHORA",
            "FECHASOLICITUD", "FECHACARGA", "FECHACOMPROMETIDO", "FECHAORDENCPRA", "VENCEM", "VENCER",
            "FECHA_GRABACION", "FHOFERTADESDE", "FHOFERTAHASTA", "FHOPERATIVA", "FHALTA", "FHCIERRE",
            "COT_FECHA", "FECHAESTINCIO", "FECHAESTFIN", "FECHAFINALIZACION", "FECHAENTREGA", "FECHAENCPTE",
            "FECHAINCIO", "FECHAFIN", "FECHAREALINICIO", "FECHAREALFIN", "FECHAINVIADO", "FECHARECIBIDO",
            "ACTUALIZADO", "FECHA_ANULACION", "DIAMOLIENDA", "DIAMEZCLA", "FECHAEMISION", "FINALIZADO",
            "SINCRONIZADO", "VENCEA", "VENCEB", "VENCEC", "VENCEE", "VENCEX"};
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
    return !soloDigitos && ado::dialecto::LeeFecha(literal).has_value();
}

} // namespace

QString DiccionarioOracle::Top(const QString& valor)
{
    const qsizetype p = valor.indexOf(QLatin1String("top"), 0, ci);
    const QString antes = valor.left(p);
    const QString resto = Trim(QStringView(valor).mid(p + 3));
    const qsizetype blanco = resto.indexOf(u' ');
    if (blanco < 0)
        ElevaLlamadaNoValida(QStringLiteral("ORACLE_Dicc"));
    const QString n = resto.left(blanco);
    QString cuerpo = resto.mid(blanco + 1);

    QString cola1;
    QString cola2;
    if (const qsizetype g = valor.indexOf(QLatin1String(" GROUP BY "), 0, ci); g >= 0)
        cola1 = valor.mid(g);
    else if (const qsizetype o = valor.indexOf(QLatin1String(" ORDER BY "), 0, ci); o >= 0)
        cola2 = valor.mid(o);

    const QString condicion = valor.contains(QLatin1String(" WHERE "), ci) ? QStringLiteral(" AND ROWNUM <= ") + n
                                                                           : QStringLiteral(" WHERE ROWNUM <= ") + n;
    for (const QString& cola : {Trim(cola1), Trim(cola2)})
        if (!cola.isEmpty())
            cuerpo.replace(cola, QStringLiteral(" "), ci);
    return antes + u' ' + cuerpo + u' ' + condicion + u' ' + cola1 + u' ' + cola2;
}

QString DiccionarioOracle::ColumnasFecha(const QString& w)
{
    const qsizetype donde = w.indexOf(QLatin1String(" WHERE "), 0, ci);
    if (donde < 0)
        return w;
    QString resultado = Trim(QStringView(w).left(donde + 1));
    const QStringView clausula = QStringView(w).mid(donde);
    const qsizetype fin = clausula.size();

    // Next occurrence of each separator at or after the search start; searches only move forward,
    // so the whole clause is scanned a bounded number of times.
    std::array<qsizetype, kSeparadores.size()> siguiente{};
    siguiente.fill(-2);
    auto proximo = [&](std::size_t s, qsizetype desde) {
        if (siguiente[s] != -1 && siguiente[s] < desde)
            siguiente[s] = clausula.indexOf(QChar(kSeparadores[s]), desde);
        return siguiente[s];
    };

    qsizetype i = 0;
    auto saltaBlancos = [&] {
        while (i < fin && clausula[i] == u' ')
            ++i;
    };
    saltaBlancos();
    while (i < fin) {
        qsizetype finToken;
        const QChar c = clausula[i];
        if (c == u'"' || c == u'\'') {
            const qsizetype cierre = clausula.indexOf(c, i + 1);
            finToken = cierre < 0 ? fin : cierre + 1;
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
        if (columnasFecha().contains(token.toUpper()))
            token = QStringLiteral("TO_DATE(TO_CHAR(") + token + QStringLiteral(",'DD/MM/YYYY'),'DD/MM/YYYY')");
        resultado += u' ';
        resultado += token;
    }
    return resultado;
}

QString DiccionarioOracle::LiteralesFecha(const QString& w)
{
    QString resultado;
    resultado.reserve(w.size());
    qsizetype copiado = 0;
    qsizetype abre = w.indexOf(u'\'');
    while (abre >= 0) {
        const qsizetype cierra = w.indexOf(u'\'', abre + 1);
        if (cierra < 0)
            ElevaLlamadaNoValida(QStringLiteral("ORACLE_Dicc"));
        const QStringView literal = QStringView(w).mid(abre + 1, cierra - abre - 1);
        if (esFecha(literal)) {
            const QString dia = ado::dialecto::LeeFecha(literal)->date().toString(QStringLiteral("dd/MM/yyyy"));
            resultado += QStringView(w).mid(copiado, abre - copiado);
            resultado += QStringLiteral("TO_DATE('") + dia + QStringLiteral("','DD/MM/YYYY')");
            copiado = cierra + 1;
        }
        abre = w.indexOf(u'\'', cierra + 1);
    }
    resultado += QStringView(w).mid(copiado);
    return resultado;
}

QString DiccionarioOracle::Traduce(const QString& valor, const QString& cadenaConexion, const SharedRuntime& runtime)
{
    QString w = valor.toUpper();
    if (!cadenaConexion.contains(QLatin1String("ORACLE"), ci))
        return w;
    if (runtime.CuentaPalabras(valor) <= 1)
        return w == QLatin1String("LEN") ? QStringLiteral("LENGTH") : w;

    if (valor.contains(QLatin1String("top "), ci))
        w = Top(valor);
    for (const char* len : {" LEN(", " LEN (", " LEN  (", " LEN   (", " LEN    ("})
        w.replace(QLatin1String(len), QStringLiteral(" LENGTH("), ci);
    w.replace(u'[', u'"').replace(u']', u'"');
    w = ColumnasFecha(w);
    w = LiteralesFecha(w);
    w.replace(QLatin1String("Charindex"), QStringLiteral("InStr"), ci);
    return w;
}
