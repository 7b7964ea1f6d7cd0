#include "data/ScriptOracle.h"

#include "data/LiteralesSql.h"
#include "platform/ado/Connection.h"
#include "runtime/FuncionesVB.h"

#include <array>

namespace {

constexpr auto ci = Qt::CaseInsensitive;

// Keywords that start a statement, in the order they are looked for; trailing blanks are part of them.
constexpr std::array<QLatin1StringView, 11> kPalabrasClave{
    QLatin1StringView("INSERT "),         QLatin1StringView("DELETE "), QLatin1StringView("UPDATE "),
    QLatin1StringView("CREATE "),         QLatin1StringView("DROP "),   QLatin1StringView("ALTER "),
    QLatin1StringView("SET TRANSACTION"), QLatin1StringView("COMMIT"),  QLatin1StringView("ROLLBACK"),
    QLatin1StringView("IF NOT EXIST"),    QLatin1StringView("IF EXIST")};

// An informational message the provider leaves behind after a script; not an error.
constexpr int32_t kAvisoInformativo = 265929;

// Finds the keywords in a text whose search start only moves forward: each keyword's next
// position is remembered, so the text is scanned once per keyword in all.
class BuscadorPalabras {
public:
    explicit BuscadorPalabras(const QString& texto) : texto_(texto) { siguiente_.fill(kSinCalcular); }

    // The smallest position at or after `desde` at which any keyword occurs, or -1.
    qsizetype proxima(qsizetype desde)
    {
        qsizetype menor = -1;
        for (std::size_t k = 0; k < kPalabrasClave.size(); ++k) {
            if (siguiente_[k] != -1 && siguiente_[k] < desde)
                siguiente_[k] = texto_.indexOf(kPalabrasClave[k], desde, ci);
            if (siguiente_[k] >= 0 && (menor < 0 || siguiente_[k] < menor))
                menor = siguiente_[k];
        }
        return menor;
    }

private:
    static constexpr qsizetype kSinCalcular = -2;
    const QString& texto_;
    std::array<qsizetype, kPalabrasClave.size()> siguiente_{};
};

// The normalised text beside its covered copy: every replacement is made outside literals and
// comments, so a note that holds " go " or a line break keeps it.
LiteralesSql normalizado(const QString& texto)
{
    static const QString crlf = QStringLiteral("\r\n");
    const std::array<std::pair<QString, QString>, 12> pasos{{
        {QStringLiteral("SET NOCOUNT ON"), QString()},
        {QStringLiteral("SET NOCOUNT OFF"), QString()},
        {QStringLiteral(" GO "), QStringLiteral(" ")},
        {crlf + QStringLiteral("GO "), QStringLiteral(" ")},
        {crlf + QStringLiteral("GO") + crlf, QStringLiteral(" ")},
        {QStringLiteral("\r"), QStringLiteral(" ")},
        {QStringLiteral("BEGIN TRANSACTION"), QStringLiteral("SET TRANSACTION")},
        {QStringLiteral("BEGIN TRANS"), QStringLiteral("SET TRANSACTION")},
        {QStringLiteral("COMMIT TRANSACTION"), QStringLiteral("COMMIT")},
        {QStringLiteral("COMMIT TRANS"), QStringLiteral("COMMIT")},
        {QStringLiteral("ROLLBACK TRANSACTION"), QStringLiteral("ROLLBACK")},
        {QStringLiteral("ROLLBACK TRANS"), QStringLiteral("ROLLBACK")},
    }};
    LiteralesSql partes(texto);
    for (const auto& [busca, pone] : pasos)
        partes.reemplaza(busca, pone);
    return partes;
}

} // namespace

QString ScriptOracle::FiltraSentencia(QString& sentencia)
{
    const LiteralesSql partes(sentencia);
    if (partes.contiene(u"SET NOCOUNT") || partes.contiene(u"IF NOT EXIST"))
        sentencia.clear();
    return sentencia;
}

void ScriptOracle::Ejecuta(QString& sentencia, int32_t& registrosAfectados, ado::Connection& conexion,
                           const Traductor& traduce)
{
    const LiteralesSql partes = normalizado(sentencia);
    const QString& texto = partes.texto();
    sentencia = texto;
    // Keywords are looked for in the covered copy: one inside a literal or a comment cuts nothing.
    BuscadorPalabras buscador(partes.cubierto());
    qsizetype resto = 0;
    bool hallada = false;
    for (qsizetype inicio = buscador.proxima(0); inicio >= 0; inicio = buscador.proxima(resto)) {
        hallada = true;
        const qsizetype siguiente = buscador.proxima(inicio + 1);
        const qsizetype fin = siguiente < 0 ? texto.size() : siguiente;
        // Line feeds stay in the normalised text; a statement on a line of its own must still compare
        // equal to the transaction keywords, so line breaks are trimmed with the blanks.
        const QString orden = QStringView(texto).mid(inicio, fin - inicio).trimmed().toString();
        try {
            if (orden.compare(QLatin1String("SET TRANSACTION"), ci) == 0) {
                conexion.BeginTrans();
            } else if (orden.compare(QLatin1String("COMMIT"), ci) == 0) {
                conexion.CommitTrans();
            } else if (orden.compare(QLatin1String("ROLLBACK"), ci) == 0) {
                conexion.RollbackTrans();
            } else {
                QString traducida = traduce(orden);
                const QString ejecutable = FiltraSentencia(traducida);
                if (!FuncionesVB::EnBlanco(ejecutable)) {
                    int32_t afectados = 0;
                    conexion.Execute(ejecutable, &afectados, -1);
                    registrosAfectados += afectados;
                }
            }
        } catch (...) {
            sentencia = texto.mid(resto);
            throw;
        }
        resto = fin;
    }
    if (hallada)
        sentencia = texto.mid(resto);
    if (conexion.Errors().Count() == 1 && conexion.Errors().Item(0).Number == kAvisoInformativo)
        conexion.Errors().Clear();
}
