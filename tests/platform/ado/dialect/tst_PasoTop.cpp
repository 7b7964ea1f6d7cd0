#include "platform/ado/dialect/PasoTop.h"

#include <QTest>

using namespace ado::dialecto;

// TOP becomes a LIMIT at the end of its own scope, never of another one, and stays as written
// wherever a LIMIT could not say the same.
class TstPasoTop : public QObject {
    Q_OBJECT
private slots:
    void limites_data();
    void limites();
};

void TstPasoTop::limites_data()
{
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("salida");
    const auto fila = [](const char* nombre, const char* entrada, const char* salida) {
        QTest::newRow(nombre) << QString::fromUtf8(entrada) << QString::fromUtf8(salida);
    };
    fila("número", "SELECT TOP 5 a FROM T", "SELECT  a FROM T LIMIT 5");
    fila("DISTINCT y paréntesis", "SELECT DISTINCT TOP (2) a FROM T ORDER BY a",
         "SELECT DISTINCT  a FROM T ORDER BY a LIMIT 2");
    fila("subconsulta como límite", "SELECT TOP (SELECT COUNT(*) FROM U) a FROM T",
         "SELECT  a FROM T LIMIT (SELECT COUNT(*) FROM U)");
    fila("en una subconsulta", "SELECT a FROM T WHERE b = (SELECT TOP 1 b FROM U ORDER BY c) AND d = 1",
         "SELECT a FROM T WHERE b = (SELECT  b FROM U ORDER BY c LIMIT 1) AND d = 1");
    fila("fuera y dentro", "SELECT TOP 3 a FROM (SELECT TOP 1 a FROM T) x",
         "SELECT  a FROM (SELECT  a FROM T LIMIT 1) x LIMIT 3");
    fila("una sentencia tras otra", "SELECT TOP 1 a FROM T; SELECT TOP 2 b FROM U;",
         "SELECT  a FROM T LIMIT 1; SELECT  b FROM U LIMIT 2;");
    fila("compuesta: el límite cierra el conjunto", "SELECT TOP 1 a FROM T UNION SELECT TOP 2 a FROM U",
         "SELECT  a FROM T UNION SELECT TOP 2 a FROM U LIMIT 1");
    fila("PERCENT queda", "SELECT TOP 10 PERCENT a FROM T", "SELECT TOP 10 PERCENT a FROM T");
    fila("WITH TIES queda", "SELECT TOP 1 WITH TIES a FROM T ORDER BY a", "SELECT TOP 1 WITH TIES a FROM T ORDER BY a");
    fila("paréntesis vacíos quedan", "SELECT TOP () a FROM T", "SELECT TOP () a FROM T");
    fila("tras una comilla abierta queda", "SELECT TOP 1 a FROM T WHERE b = 'x", "SELECT TOP 1 a FROM T WHERE b = 'x");
    fila("definición intacta", "CREATE VIEW V AS SELECT TOP 1 a FROM T", "CREATE VIEW V AS SELECT TOP 1 a FROM T");
    fila("TOP sin SELECT", "TOP 1", "TOP 1");
}

void TstPasoTop::limites()
{
    QFETCH(QString, entrada);
    QFETCH(QString, salida);
    const VistaSql vista(entrada);
    const SentenciasSql sentencias(vista);
    MarcasSql marcas(vista);
    PasoTop(vista, sentencias).marca(marcas);
    QCOMPARE(marcas.escribe(false), salida);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstPasoTop)
#include "tst_PasoTop.moc"
