#include "data/DiccionarioOracle.h"
#include "runtime/ErrorVB.h"
#include "runtime/SharedRuntime.h"

#include <QTest>

namespace {
const QString kOracle = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=X;User Id=u;Password=p;");
const QString kSqlServer = QStringLiteral("PROVIDER=SQLOLEDB;Server=s;Database =d;UId=u;Pwd=p;");
const QString kFecha = QStringLiteral("TO_DATE(TO_CHAR(FECHA,'DD/MM/YYYY'),'DD/MM/YYYY')");
} // namespace

class TstDiccionarioOracle : public QObject {
    Q_OBJECT
private slots:
    void traduce_data();
    void traduce();
    void argumentoNoValido_data();
    void argumentoNoValido();
    void textoLargoSinSeparadores();
};

void TstDiccionarioOracle::traduce_data()
{
    QTest::addColumn<QString>("conexion");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("sin Oracle: solo mayúsculas, literales incluidos")
        << kSqlServer << "select top 1 * from t where nombre = 'josé'" << "SELECT TOP 1 * FROM T WHERE NOMBRE = 'JOSÉ'";
    QTest::newRow("una palabra: len") << kOracle << "len" << "LENGTH";
    QTest::newRow("una palabra: otra") << kOracle << "Codigo" << "CODIGO";
    QTest::newRow("top sin where") << kOracle << "SELECT TOP 1 * FROM T" << "SELECT  * FROM T WHERE ROWNUM <= 1";
    QTest::newRow("top con where")
        << kOracle << "SELECT TOP 1 * FROM T WHERE A = 1" << "SELECT  * FROM T WHERE A = 1 AND ROWNUM <= 1";
    QTest::newRow("top con order by")
        << kOracle << "SELECT TOP 5 A FROM T ORDER BY A" << "SELECT  A FROM T WHERE ROWNUM <= 5 ORDER BY A";
    QTest::newRow("fecha con blancos")
        << kOracle << "SELECT * FROM T WHERE FECHA >= '01/02/2005'"
        << "SELECT * FROM T WHERE " + kFecha + " >= TO_DATE('01/02/2005','DD/MM/YYYY')";
    QTest::newRow("fecha sin blancos no se reconoce")
        << kOracle << "SELECT * FROM T WHERE FECHA>='01/02/2005'" << "SELECT * FROM T WHERE FECHA> =TO_DATE('01/02/2005','DD/MM/YYYY')";
    QTest::newRow("fecha tras paréntesis no se reconoce")
        << kOracle << "SELECT * FROM T WHERE (FECHA = '1/2/2005')" << "SELECT * FROM T WHERE (FECHA = TO_DATE('01/02/2005','DD/MM/YYYY') )";
    QTest::newRow("corchetes y columna con blanco")
        << kOracle << "SELECT * FROM T WHERE [FECHA DESDE] = '1/2/2005'"
        << "SELECT * FROM T WHERE TO_DATE(TO_CHAR(\"FECHA DESDE\",'DD/MM/YYYY'),'DD/MM/YYYY') = TO_DATE('01/02/2005','DD/MM/YYYY')";
    QTest::newRow("literal que no es fecha queda")
        << kOracle << "SELECT * FROM T WHERE NOMBRE = 'Pérez'" << "SELECT * FROM T WHERE NOMBRE = 'PÉREZ'";
    QTest::newRow("número no es fecha") << kOracle << "SELECT * FROM T WHERE CODIGO = '20250305'" << "SELECT * FROM T WHERE CODIGO = '20250305'";
    QTest::newRow("len tras blanco")
        << kOracle << "SELECT LEN (A), LEN(B) FROM T" << "SELECT LENGTH(A), LENGTH(B) FROM T";
    QTest::newRow("len tras paréntesis o coma no") << kOracle << "SELECT MAX(LEN(A)),LEN(B) FROM T" << "SELECT MAX(LEN(A)),LEN(B) FROM T";
    QTest::newRow("charindex") << kOracle << "SELECT CHARINDEX('a', B) FROM T" << "SELECT InStr('A', B) FROM T";
    QTest::newRow("la misma fecha dos veces se convierte una vez cada una")
        << kOracle << "SELECT * FROM T WHERE FECHAD = '1/2/2005' OR FECHAH = '1/2/2005'"
        << "SELECT * FROM T WHERE TO_DATE(TO_CHAR(FECHAD,'DD/MM/YYYY'),'DD/MM/YYYY') = TO_DATE('01/02/2005','DD/MM/YYYY') OR "
           "TO_DATE(TO_CHAR(FECHAH,'DD/MM/YYYY'),'DD/MM/YYYY') = TO_DATE('01/02/2005','DD/MM/YYYY')";
    QTest::newRow("día de la agenda")
        << kOracle << "SELECT * FROM MV_AGENDA WHERE FECHA BETWEEN '5/3/2025' AND '5/3/2025 23:59'"
        << "SELECT * FROM MV_AGENDA WHERE " + kFecha + " BETWEEN TO_DATE('05/03/2025','DD/MM/YYYY') AND TO_DATE('05/03/2025','DD/MM/YYYY')";
    QTest::newRow("where reconstruido con blancos simples")
        << kOracle << "SELECT A FROM T WHERE  A  =  1   ORDER BY A" << "SELECT A FROM T WHERE A = 1 ORDER BY A";
}

void TstDiccionarioOracle::traduce()
{
    QFETCH(QString, conexion);
    QFETCH(QString, valor);
    QFETCH(QString, esperado);
    QCOMPARE(DiccionarioOracle::Traduce(valor, conexion, SharedRuntime()), esperado);
}

void TstDiccionarioOracle::argumentoNoValido_data()
{
    QTest::addColumn<QString>("valor");
    QTest::newRow("top sin blanco tras el número") << "SELECT TOP 1";
    QTest::newRow("comilla sin cerrar") << "SELECT * FROM T WHERE A = 'abc";
}

// Texts the translation cannot take raise error 5 instead of producing a broken statement.
void TstDiccionarioOracle::argumentoNoValido()
{
    QFETCH(QString, valor);
    try {
        (void)DiccionarioOracle::Traduce(valor, kOracle, SharedRuntime());
        QFAIL("se esperaba el error 5");
    } catch (const ErrorVB& e) {
        QCOMPARE(e.numero(), ErroresVB::LlamadaNoValida);
    }
}

void TstDiccionarioOracle::textoLargoSinSeparadores()
{
    const QString valor = QStringLiteral("SELECT A FROM T WHERE ") + QString(50000, u'X');
    QCOMPARE(DiccionarioOracle::Traduce(valor, kOracle, SharedRuntime()).size(), valor.size());
}

QTEST_GUILESS_MAIN(TstDiccionarioOracle)
#include "tst_diccionariooracle.moc"
