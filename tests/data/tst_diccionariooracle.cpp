#include "data/DiccionarioOracle.h"
#include "runtime/ErrorVB.h"
#include "runtime/SharedRuntime.h"
#include "support/VerificaAdo.h"

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
    void esConexionOracle_data();
    void esConexionOracle();
};

void TstDiccionarioOracle::traduce_data()
{
    QTest::addColumn<QString>("conexion");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("sin Oracle: solo mayúsculas, literales incluidos")
        << kSqlServer << "select top 1 * from t where nombre = 'josé'"
        << "SELECT TOP 1 * FROM T WHERE NOMBRE = 'JOSÉ'";
    QTest::newRow("una palabra: len") << kOracle << "len"
                                      << "LENGTH";
    QTest::newRow("una palabra: otra") << kOracle << "Codigo"
                                       << "CODIGO";
    QTest::newRow("top sin where") << kOracle << "SELECT TOP 1 * FROM T"
                                   << "SELECT  * FROM T WHERE ROWNUM <= 1";
    QTest::newRow("top con where") << kOracle << "SELECT TOP 1 * FROM T WHERE A = 1"
                                   << "SELECT  * FROM T WHERE A = 1 AND ROWNUM <= 1";
    QTest::newRow("top en minúsculas") << kOracle << "select top 1 * from t where nombre = 'josé'"
                                       << "SELECT  * FROM T WHERE NOMBRE = 'JOSÉ' AND ROWNUM <= 1";
    QTest::newRow("top con order by") << kOracle << "SELECT TOP 5 A FROM T ORDER BY A"
                                      << "SELECT  A FROM T WHERE ROWNUM <= 5 ORDER BY A";
    QTest::newRow("fecha con blancos") << kOracle << "SELECT * FROM T WHERE FECHA >= '01/02/2005'"
                                       << "SELECT * FROM T WHERE " + kFecha + " >= TO_DATE('01/02/2005','DD/MM/YYYY')";
    QTest::newRow("fecha sin blancos no se reconoce")
        << kOracle << "SELECT * FROM T WHERE FECHA>='01/02/2005'"
        << "SELECT * FROM T WHERE FECHA> =TO_DATE('01/02/2005','DD/MM/YYYY')";
    QTest::newRow("fecha tras paréntesis no se reconoce")
        << kOracle << "SELECT * FROM T WHERE (FECHA = '1/2/2005')"
        << "SELECT * FROM T WHERE (FECHA = TO_DATE('01/02/2005','DD/MM/YYYY') )";
    QTest::newRow("corchetes y columna con blanco")
        << kOracle << "SELECT * FROM T WHERE [FECHA DESDE] = '1/2/2005'"
        << "SELECT * FROM T WHERE TO_DATE(TO_CHAR(\"FECHA DESDE\",'DD/MM/YYYY'),'DD/MM/YYYY') = "
           "TO_DATE('01/02/2005','DD/MM/YYYY')";
    QTest::newRow("corchete abierto dentro de un nombre") << kOracle << "SELECT * FROM T WHERE [A[B] = '0/2/2005'"
                                                          << "SELECT * FROM T WHERE \"A[B\" = '0/2/2005'";
    QTest::newRow("comillas dobles dentro de un nombre y de un literal")
        << kOracle << "SELECT * FROM T WHERE \"A\"\"B\" = 'X\"Y' AND C = 'Z\"'"
        << "SELECT * FROM T WHERE \"A\"\"B\" = 'X\"Y' AND C = 'Z\"'";
    QTest::newRow("WHERE dentro de un nombre entre comillas") << kOracle << "SELECT \"X WHERE \"Y 'a\"b' FROM T"
                                                              << "SELECT \"X WHERE \"Y 'A\"B' FROM T";
    QTest::newRow("literal que no es fecha queda") << kOracle << "SELECT * FROM T WHERE NOMBRE = 'Pérez'"
                                                   << "SELECT * FROM T WHERE NOMBRE = 'PÉREZ'";
    QTest::newRow("número no es fecha") << kOracle << "SELECT * FROM T WHERE CODIGO = '20250305'"
                                        << "SELECT * FROM T WHERE CODIGO = '20250305'";
    QTest::newRow("len tras blanco") << kOracle << "SELECT LEN (A), LEN(B) FROM T"
                                     << "SELECT LENGTH(A), LENGTH(B) FROM T";
    QTest::newRow("len tras paréntesis o coma no") << kOracle << "SELECT MAX(LEN(A)),LEN(B) FROM T"
                                                   << "SELECT MAX(LEN(A)),LEN(B) FROM T";
    QTest::newRow("charindex") << kOracle << "SELECT CHARINDEX('a', B) FROM T"
                               << "SELECT InStr('A', B) FROM T";
    QTest::newRow("la misma fecha dos veces se convierte una vez cada una")
        << kOracle << "SELECT * FROM T WHERE FECHAD = '1/2/2005' OR FECHAH = '1/2/2005'"
        << "SELECT * FROM T WHERE TO_DATE(TO_CHAR(FECHAD,'DD/MM/YYYY'),'DD/MM/YYYY') = "
           "TO_DATE('01/02/2005','DD/MM/YYYY') OR "
           "TO_DATE(TO_CHAR(FECHAH,'DD/MM/YYYY'),'DD/MM/YYYY') = TO_DATE('01/02/2005','DD/MM/YYYY')";
    QTest::newRow("día de la agenda") << kOracle
                                      << "SELECT * FROM MV_AGENDA WHERE FECHA BETWEEN '5/3/2025' AND '5/3/2025 23:59'"
                                      << "SELECT * FROM MV_AGENDA WHERE " + kFecha
            + " BETWEEN TO_DATE('05/03/2025','DD/MM/YYYY') AND TO_DATE('05/03/2025','DD/MM/YYYY')";
    QTest::newRow("top dentro de un literal no es top")
        << kOracle << "UPDATE MV_AGENDA SET MENSAJE = 'Llevar la laptop al cliente' WHERE ID = 7"
        << "UPDATE MV_AGENDA SET MENSAJE = 'LLEVAR LA LAPTOP AL CLIENTE' WHERE ID = 7";
    QTest::newRow("stop dentro de un literal en una consulta") << kOracle << "SELECT * FROM T WHERE A = 'stop here'"
                                                               << "SELECT * FROM T WHERE A = 'STOP HERE'";
    QTest::newRow("comilla doblada queda doblada") << kOracle << "UPDATE T SET A = 1 WHERE NOMBRE = 'D''Angelo'"
                                                   << "UPDATE T SET A = 1 WHERE NOMBRE = 'D''ANGELO'";
    QTest::newRow("blancos de un literal pegado a un operador") << kOracle << "SELECT * FROM T WHERE A = B+'x  y'"
                                                                << "SELECT * FROM T WHERE A = B+'X  Y'";
    QTest::newRow("corchetes y charindex dentro de un literal") << kOracle << "SELECT * FROM T WHERE A = '[charindex]'"
                                                                << "SELECT * FROM T WHERE A = '[CHARINDEX]'";
    QTest::newRow("apóstrofo en un comentario") << kOracle << "SELECT * FROM T -- it's done\nWHERE A = 1"
                                                << "SELECT * FROM T -- IT'S DONE\nWHERE A = 1";
    QTest::newRow("nombre entre corchetes pegado a un operador queda entero")
        << kOracle << "SELECT * FROM T WHERE A =[FECHA DESDE]"
        << "SELECT * FROM T WHERE A =\"FECHA DESDE\"";
    QTest::newRow("where tras un salto de línea")
        << kOracle << "SELECT * FROM T\nWHERE FECHA = '1/2/2005'"
        << "SELECT * FROM T WHERE " + kFecha + " = TO_DATE('01/02/2005','DD/MM/YYYY')";
    QTest::newRow("comentario de línea dentro del where")
        << kOracle << "SELECT * FROM T WHERE A = 1 -- nota\nAND FECHA = '1/2/2005'"
        << "SELECT * FROM T WHERE A = 1 -- NOTA\nAND " + kFecha + " = TO_DATE('01/02/2005','DD/MM/YYYY')";
    QTest::newRow("where reconstruido con blancos simples") << kOracle << "SELECT A FROM T WHERE  A  =  1   ORDER BY A"
                                                            << "SELECT A FROM T WHERE A = 1 ORDER BY A";
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
    QTest::newRow("top sin número") << "SELECT TOP 'a' * FROM T";
    QTest::newRow("comilla sin cerrar") << "SELECT * FROM T WHERE A = 'abc";
}

// Texts the translation cannot take raise error 5 instead of producing a broken statement.
void TstDiccionarioOracle::argumentoNoValido()
{
    QFETCH(QString, valor);
    const ErrorVB e = ErrorDe([&] { (void)DiccionarioOracle::Traduce(valor, kOracle, SharedRuntime()); });
    QCOMPARE(e.numero(), ErroresVB::LlamadaNoValida);
}

void TstDiccionarioOracle::textoLargoSinSeparadores()
{
    const QString valor = QStringLiteral("SELECT A FROM T WHERE ") + QString(50000, u'X');
    QCOMPARE(DiccionarioOracle::Traduce(valor, kOracle, SharedRuntime()).size(), valor.size());
}

// A database of one of the program's own providers is never taken for Oracle because a folder, a
// host or a user is called so; the suite's own providers keep the plain test.
void TstDiccionarioOracle::esConexionOracle_data()
{
    QTest::addColumn<QString>("cadena");
    QTest::addColumn<bool>("alAbrir");
    QTest::addColumn<bool>("alEjecutar");
    QTest::newRow("oracle") << kOracle << true << true;
    QTest::newRow("sql server") << kSqlServer << false << false;
    QTest::newRow("sql server en un equipo oracle") << "Provider=SQLOLEDB;Server=oracle01;" << true << true;
    QTest::newRow("oracle en el primer carácter") << "Oracle=1;Provider=SQLOLEDB" << false << true;
    QTest::newRow("sqlite en una carpeta oracle")
        << "Provider=SQLite;Database=/datos/oracle/agenda.db" << false << false;
    QTest::newRow("sqlite con usuario oracle")
        << "PROVIDER=SQLite;Server=(local);Database =a.db;UId=oracle;Pwd=x;" << false << false;
    QTest::newRow("postgresql en un equipo oracle")
        << "Provider=PostgreSQL;Host=oracle-db;Database=agenda" << false << false;
    QTest::newRow("odbc con dsn oracle") << "Provider=ODBC;DSN=oracle_agenda" << false << false;
}

void TstDiccionarioOracle::esConexionOracle()
{
    QFETCH(QString, cadena);
    QTEST(DiccionarioOracle::EsConexionOracle(cadena, true), "alAbrir");
    QTEST(DiccionarioOracle::EsConexionOracle(cadena, false), "alEjecutar");
}

AGENDA_PRUEBA_SIN_VENTANAS(TstDiccionarioOracle)
#include "tst_diccionariooracle.moc"
