#include "platform/ado/dialect/ClaseSentencia.h"

#include <QTest>

using ado::dialecto::ClaseSentencia;
using ado::dialecto::ClasificaSentencia;

// What a provider learns of a statement from its first word: a comment before it, a word that merely
// starts with a keyword or a SET that is not NOCOUNT alone must not mislead it.
class TstClaseSentencia : public QObject {
    Q_OBJECT
private slots:
    void clases_data();
    void clases();
};

void TstClaseSentencia::clases_data()
{
    QTest::addColumn<QString>("sentencia");
    QTest::addColumn<QString>("clase"); // llamada, esquema, cuenta, nada or sinEfecto
    QTest::newRow("exec") << "exec KQ_CREARAGENDA '05/03/2025'"
                          << "llamada";
    QTest::newRow("paréntesis y punto y coma delante") << " ;(( INSERT INTO T VALUES (1)"
                                                       << "cuenta";
    QTest::newRow("comentario delante") << "-- alta\n/* x */ UPDATE T SET A = 1"
                                        << "cuenta";
    QTest::newRow("palabra que empieza por exec") << "EXEC_X 1"
                                                  << "nada";
    QTest::newRow("create") << "CREATE TABLE T (A INT)"
                            << "esquema";
    QTest::newRow("select") << "SELECT 1"
                            << "nada";
    QTest::newRow("set nocount con punto y coma y comentario") << "SET NOCOUNT ON; -- fin"
                                                               << "sinEfecto";
    QTest::newRow("set nocount seguido de otra cosa") << "SET NOCOUNT ON; SELECT 1"
                                                      << "nada";
    QTest::newRow("nocount en un literal") << "SET 'NOCOUNT' ON"
                                           << "nada";
    QTest::newRow("vacía") << ""
                           << "nada";
}

void TstClaseSentencia::clases()
{
    QFETCH(QString, sentencia);
    const ClaseSentencia c = ClasificaSentencia(sentencia);
    const QString clase = c.llamada ? QStringLiteral("llamada")
        : c.cambiaEsquema           ? QStringLiteral("esquema")
        : c.cuentaRegistros         ? QStringLiteral("cuenta")
        : c.sinEfecto               ? QStringLiteral("sinEfecto")
                                    : QStringLiteral("nada");
    QTEST(clase, "clase");
}

AGENDA_PRUEBA_SIN_VENTANAS(TstClaseSentencia)
#include "tst_ClaseSentencia.moc"
