#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "runtime/ErrorVB.h"
#include "support/BaseDePrueba.h"

#include <QRandomGenerator>
#include <QTest>

#include <initializer_list>

// LIKE on both databases, tested against each other on generated patterns: brackets (closed or
// not, ranges forwards and backwards, negated), wildcards, an escape character, letters of both
// cases with and without accents. The embedded database matches through its own pattern code, the
// server through a regular expression built from the pattern: any difference is a silent wrong answer
// on one of them.
class TstPatronesLike : public QObject {
    Q_OBJECT
private slots:
    void mismosResultadosEnAmbasBases();
};

namespace {

QString aplica(ado::Connection& conexion, const QString& sql)
{
    try {
        ado::Recordset rs;
        rs.Open(sql, &conexion);
        return rs.Fields().Item(0).Value().toString();
    } catch (const ErrorVB&) {
        return QStringLiteral("ERROR");
    }
}

// One piece of a pattern and texts that each may or may not match it.
struct Pieza {
    const char* patron;
    std::initializer_list<const char*> textos;
};

const Pieza kPiezas[] = {
    {"a", {"a", "A", "á"}},     {"B", {"b", "B", "c"}},    {"ñ", {"ñ", "Ñ", "n"}},     {"É", {"é", "É", "e"}},
    {"0", {"0", "o"}},          {"-", {"-", "_"}},         {"_", {"x", "Ñ", "%"}},     {"%", {"", "ab", "%["}},
    {"[a-c]", {"b", "B", "d"}}, {"[^b]", {"a", "B", "ñ"}}, {"[0-a]", {"A", "B", "5"}}, {"[c-a]", {"b", "c"}},
    {"[Ñ-z]", {"ñ", "o", "é"}}, {"[!%]", {"!", "%", "a"}}, {"!%", {"%", "a"}},         {"!_", {"_", "a"}},
    {"![", {"[", "a"}},         {"[", {"[", "a"}},         {"]", {"]", "a"}},          {"[]a]", {"]", "a", "b"}},
};

} // namespace

void TstPatronesLike::mismosResultadosEnAmbasBases()
{
    if (ServidorDePrueba().isEmpty())
        QSKIP("No hay servidor PostgreSQL de prueba");
    BaseDePrueba archivo;
    BaseDePrueba servidor(false, QDate(2025, 3, 5), Motor::PostgreSQL);
    ado::Connection embebida;
    embebida.Open(archivo.cadenaConexion());
    ado::Connection oficina;
    oficina.Open(servidor.cadenaConexion());

    QRandomGenerator azar(19);
    QStringList diferencias;
    int coincidencias = 0;
    for (int i = 0; i < 600; ++i) {
        QString patron;
        QString texto;
        for (int n = int(azar.bounded(4)) + 1; n > 0; --n) {
            const Pieza& pieza = kPiezas[azar.bounded(int(std::size(kPiezas)))];
            patron += QString::fromUtf8(pieza.patron);
            texto += QString::fromUtf8(*(pieza.textos.begin() + azar.bounded(int(pieza.textos.size()))));
        }
        const QString sql
            = QStringLiteral("SELECT CASE WHEN '%1' LIKE '%2' ESCAPE '!' THEN 1 ELSE 0 END").arg(texto, patron);
        const QString a = aplica(embebida, sql);
        const QString b = aplica(oficina, sql);
        coincidencias += a == u"1";
        if (a != b)
            diferencias << QStringLiteral("'%1' LIKE '%2': %3 / %4").arg(texto, patron, a, b);
    }
    QVERIFY2(diferencias.isEmpty(), qPrintable(diferencias.mid(0, 10).join(u'\n')));
    // The generated cases reach both answers, not only a long run of non-matches.
    QVERIFY2(coincidencias > 100, qPrintable(QString::number(coincidencias)));
}

AGENDA_PRUEBA_SIN_VENTANAS(TstPatronesLike)
#include "tst_patroneslike.moc"
