#include "platform/ado/dialect/PasoPistas.h"

#include <QTest>

using namespace ado::dialecto;

// Hints go with their parentheses; parentheses that hold anything else stay, since dropping them
// would drop part of the statement.
class TstPasoPistas : public QObject {
    Q_OBJECT
private slots:
    void pistas_data();
    void pistas();
};

void TstPasoPistas::pistas_data()
{
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("salida");
    const auto fila = [](const char* nombre, const char* entrada, const char* salida) {
        QTest::newRow(nombre) << QString::fromUtf8(entrada) << QString::fromUtf8(salida);
    };
    fila("WITH (NOLOCK)", "SELECT a FROM T WITH (NOLOCK) WHERE b = 1", "SELECT a FROM T  WHERE b = 1");
    fila("varias pistas con argumentos", "SELECT a FROM T x WITH (NOLOCK, INDEX(IX_A, 2)) JOIN U",
         "SELECT a FROM T x  JOIN U");
    fila("sin WITH tras el nombre", "SELECT a FROM T (nolock)", "SELECT a FROM T ");
    fila("IN (NOLOCK) es una lista", "SELECT a FROM T WHERE b IN (NOLOCK)", "SELECT a FROM T WHERE b IN (NOLOCK)");
    fila("otra palabra dentro", "SELECT a FROM T WITH (NOLOCK, x)", "SELECT a FROM T WITH (NOLOCK, x)");
    fila("expresión dentro de INDEX", "SELECT a FROM T WITH (INDEX(a + 1))", "SELECT a FROM T WITH (INDEX(a + 1))");
    fila("paréntesis sin cerrar", "SELECT a FROM T WITH (NOLOCK", "SELECT a FROM T WITH (NOLOCK");
    fila("CTE no es una pista", "WITH x AS (SELECT 1) SELECT * FROM x", "WITH x AS (SELECT 1) SELECT * FROM x");
}

void TstPasoPistas::pistas()
{
    QFETCH(QString, entrada);
    QFETCH(QString, salida);
    const VistaSql vista(entrada);
    MarcasSql marcas(vista);
    PasoPistas pistas(vista, marcas);
    for (qsizetype k = 0; k < vista.size();) {
        const qsizetype tras = pistas.quita(k);
        k = tras < 0 ? k + 1 : tras;
    }
    QCOMPARE(marcas.escribe(false), salida);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstPasoPistas)
#include "tst_PasoPistas.moc"
