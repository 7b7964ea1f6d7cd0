#include "platform/ado/sqlite/TraductorSqlite.h"

#include <QTest>

using ado::sqlite::EsquemaDialecto;
using ado::sqlite::TraductorSqlite;

namespace {

EsquemaDialecto esquema()
{
    return {{QStringLiteral("FECHA"), QStringLiteral("FECHAALTA")},
            {QStringLiteral("NOMBRE"), QStringLiteral("MENSAJE"), QStringLiteral("CLAVE"), QStringLiteral("CODIGO"),
             QStringLiteral("NOTA")}};
}

// A table whose columns the schema types: integers E and F, decimal D, text S, date FECHA.
EsquemaDialecto esquemaTipado()
{
    using ado::dialecto::TipoExpresion;
    EsquemaDialecto e{{QStringLiteral("FECHA")}, {QStringLiteral("S")}};
    const std::pair<const char*, TipoExpresion> columnas[] = {
        {"E", TipoExpresion::Entero}, {"F", TipoExpresion::Entero},    {"D", TipoExpresion::Decimal},
        {"S", TipoExpresion::Texto},  {"FECHA", TipoExpresion::Fecha},
    };
    for (const auto& [columna, tipo] : columnas)
        e.declara(QStringLiteral("T"), QString::fromLatin1(columna), tipo);
    return e;
}

} // namespace

class TstTraductorSqlite : public QObject {
    Q_OBJECT
private slots:
    void traduce_data();
    void traduce();
    void tipos_data();
    void tipos();
};

void TstTraductorSqlite::traduce_data()
{
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("salida");

    QTest::newRow("comparación que termina el texto") << "SELECT 1 FROM T WHERE ID ="
                                                      << "SELECT 1 FROM T WHERE ID =";

    // The statements the program itself sends.
    QTest::newRow("búsqueda de una fila, en mayúsculas")
        << "SELECT TOP 1  * FROM TA_USUARIOS WHERE LTRIM(RTRIM(NOMBRE)) ='ADMIN' "
        << "SELECT   * FROM TA_USUARIOS WHERE LTRIM(RTRIM(NOMBRE)) COLLATE KQ_CI ='ADMIN' LIMIT 1 ";
    QTest::newRow("día a medianoche") << "SELECT * FROM MV_Agenda WHERE FECHA = '05/03/2025'"
                                      << "SELECT * FROM MV_Agenda WHERE FECHA = '2025-03-05 00:00:00'";
    QTest::newRow("día entre fechas con el día primero")
        << "SELECT * FROM MV_AGENDA WHERE FECHA BETWEEN '5/3/2025' AND '5/3/2025 23:59'"
        << "SELECT * FROM MV_AGENDA WHERE FECHA BETWEEN '2025-03-05 00:00:00' AND '2025-03-05 23:59:00'";
    QTest::newRow("nota que parece una fecha") << "UPDATE MV_AGENDA SET MENSAJE = '05/03/2025' WHERE ID = 7"
                                               << "UPDATE MV_AGENDA SET MENSAJE = '05/03/2025' WHERE ID = 7";
    QTest::newRow("nota con comilla doblada") << "UPDATE MV_AGENDA SET MENSAJE = 'd''Alba [x] N''y' WHERE ID = 7"
                                              << "UPDATE MV_AGENDA SET MENSAJE = 'd''Alba [x] N''y' WHERE ID = 7";
    QTest::newRow("lectura de la configuración")
        << "SELECT VALOR, valoraux FROM TA_CONFIGURACION WHERE CLAVE = 'x'"
        << "SELECT VALOR, valoraux FROM TA_CONFIGURACION WHERE CLAVE COLLATE KQ_CI = 'x'";
    QTest::newRow("palabras clave y columna en minúsculas")
        << "select valor from ta_configuracion where clave = 'x'"
        << "select valor from ta_configuracion where clave COLLATE KQ_CI = 'x'";

    // Names and literals.
    QTest::newRow("corchetes y dueños") << "SELECT [Nombre Largo], [a\"b]]c] FROM dbo.MV_AGENDA JOIN [DBO].[T] ON 1=1"
                                        << "SELECT \"Nombre Largo\", \"a\"\"b]c\" FROM MV_AGENDA JOIN \"T\" ON 1=1";
    QTest::newRow("dueño pegado a un nombre los deja separados") << "SELECT a FROM x$[dbo].T$y"
                                                                 << "SELECT a FROM x$ T$y";
    QTest::newRow("columna calificada no es un dueño") << "SELECT dbox.NOMBRE FROM X"
                                                       << "SELECT dbox.NOMBRE FROM X";
    QTest::newRow("literal nacional") << "SELECT * FROM T WHERE NOMBRE = N'José'"
                                      << "SELECT * FROM T WHERE NOMBRE COLLATE KQ_CI = 'José'";
    QTest::newRow("palabras clave dentro de literales intactas") << "SELECT 'TOP 5 [x] LEN(' FROM T"
                                                                 << "SELECT 'TOP 5 [x] LEN(' FROM T";
    QTest::newRow("comentarios intactos") << "SELECT A -- TOP 1 [x]\nFROM T /* NOMBRE = 'a' */"
                                          << "SELECT A -- TOP 1 [x]\nFROM T /* NOMBRE = 'a' */";

    // TOP.
    QTest::newRow("top con order by") << "SELECT TOP 3 NOMBRE FROM T ORDER BY ID DESC;"
                                      << "SELECT  NOMBRE FROM T ORDER BY ID DESC LIMIT 3;";
    QTest::newRow("top entre paréntesis tras distinct") << "select distinct top (2) ID from T"
                                                        << "select distinct  ID from T LIMIT 2";
    QTest::newRow("top en subconsulta")
        << "SELECT * FROM T WHERE ID IN (SELECT TOP 1 ID FROM U ORDER BY ID) AND ID > 0"
        << "SELECT * FROM T WHERE ID IN (SELECT  ID FROM U ORDER BY ID LIMIT 1) AND ID > 0";
    QTest::newRow("top antes de un comentario final") << "SELECT TOP 1 ID FROM T -- el primero"
                                                      << "SELECT  ID FROM T LIMIT 1 -- el primero";
    QTest::newRow("segundo top de un ámbito queda como está") << "SELECT TOP 1 ID FROM T SELECT TOP 2 ID FROM U"
                                                              << "SELECT  ID FROM T SELECT TOP 2 ID FROM U LIMIT 1";
    QTest::newRow("top percent queda para la base") << "SELECT TOP 10 PERCENT ID FROM T"
                                                    << "SELECT TOP 10 PERCENT ID FROM T";

    // Functions.
    QTest::newRow("funciones renombradas")
        << "SELECT LEN(NOMBRE), charindex('a', NOMBRE), GetDate(), ISNULL(NOMBRE, '') FROM T"
        << "SELECT KQ_LEN(NOMBRE), KQ_CHARINDEX('a', NOMBRE), KQ_GETDATE(), IFNULL(NOMBRE, '') FROM T";
    QTest::newRow("nombres de funciones como columnas intactos") << "SELECT LEN, T.ISNULL(1), GETDATE FROM T"
                                                                 << "SELECT LEN, T.ISNULL(1), GETDATE FROM T";

    // Case-insensitive comparison.
    QTest::newRow("columnas no de texto o desconocidas sin intercalación")
        << "SELECT * FROM T WHERE ID = 5 AND OTRA <> 'x' AND NOMBRE != 'y'"
        << "SELECT * FROM T WHERE ID = 5 AND OTRA <> 'x' AND NOMBRE COLLATE KQ_CI != 'y'";
    QTest::newRow("todos los operadores de comparación")
        << "SELECT 1 FROM T WHERE NOMBRE<'a' OR NOMBRE>'a' OR NOMBRE<='a' OR NOMBRE>='a'"
        << "SELECT 1 FROM T WHERE NOMBRE COLLATE KQ_CI<'a' OR NOMBRE COLLATE KQ_CI>'a' OR NOMBRE COLLATE KQ_CI<='a' OR "
           "NOMBRE COLLATE KQ_CI>='a'";
    QTest::newRow("like, in, between y sus negaciones")
        << "SELECT 1 FROM T WHERE T.NOMBRE LIKE 'a%' AND [Nombre] NOT LIKE 'b%' AND CLAVE IN ('a') AND CODIGO NOT "
           "BETWEEN 'a' AND 'b'"
        << "SELECT 1 FROM T WHERE T.NOMBRE COLLATE KQ_CI LIKE 'a%' AND \"Nombre\" COLLATE KQ_CI NOT LIKE 'b%' AND "
           "CLAVE COLLATE KQ_CI IN ('a') AND CODIGO COLLATE KQ_CI NOT BETWEEN 'a' AND 'b'";
    QTest::newRow("literal y expresiones cuentan como texto, los números no")
        << "SELECT 1 FROM T WHERE 'a' = X AND (ID) = 1 AND ID || NOMBRE = 'b' AND ID + 1 = 2 AND 3 = ID"
        << "SELECT 1 FROM T WHERE 'a' COLLATE KQ_CI = X AND (ID) COLLATE KQ_CI = 1 AND ID || NOMBRE COLLATE KQ_CI = "
           "'b' AND ID + 1 = 2 AND 3 = ID";
    QTest::newRow("la asignación no la lleva, su condición sí")
        << "UPDATE TA_CONFIGURACION SET VALOR = 'x', NOMBRE = CASE WHEN NOMBRE = 'a' THEN 'b' END WHERE CLAVE = 'k'"
        << "UPDATE TA_CONFIGURACION SET VALOR = 'x', NOMBRE = CASE WHEN NOMBRE COLLATE KQ_CI = 'a' THEN 'b' END WHERE "
           "CLAVE COLLATE KQ_CI = 'k'";
    QTest::newRow("order by columna de texto")
        << "SELECT * FROM T ORDER BY NOMBRE, ID DESC, T.CODIGO ASC"
        << "SELECT * FROM T ORDER BY NOMBRE COLLATE KQ_CI, ID DESC, T.CODIGO COLLATE KQ_CI ASC";
    QTest::newRow("definiciones intactas salvo los nombres")
        << "CREATE TABLE [dbo].[T] (NOMBRE VARCHAR(10) DEFAULT N'a', CHECK (NOMBRE = 'a'))"
        << "CREATE TABLE \"T\" (NOMBRE VARCHAR(10) DEFAULT 'a', CHECK (NOMBRE = 'a'))";
    QTest::newRow("cuerpo de trigger sigue siendo una definición")
        << "CREATE TRIGGER X AFTER INSERT ON T BEGIN UPDATE T SET NOMBRE = 'a' WHERE NOMBRE = 'b'; END; SELECT 1 FROM "
           "T WHERE NOMBRE = 'c'"
        << "CREATE TRIGGER X AFTER INSERT ON T BEGIN UPDATE T SET NOMBRE = 'a' WHERE NOMBRE = 'b'; END; SELECT 1 FROM "
           "T WHERE NOMBRE COLLATE KQ_CI = 'c'";

    // The server's expressions.
    QTest::newRow("el más sigue la precedencia, un número junto a una columna queda")
        << "SELECT 'a' + B * 2 - C + LTRIM(NOMBRE), ID + 1 FROM T"
        << "SELECT KQ_SUMA(KQ_SUMA('a' , B * 2) - C , LTRIM(NOMBRE)), ID + 1 FROM T";
    QTest::newRow("más comparado como texto") << "SELECT 1 FROM T WHERE NOMBRE + 'x' = 'ax'"
                                              << "SELECT 1 FROM T WHERE KQ_SUMA(NOMBRE , 'x') COLLATE KQ_CI = 'ax'";
    QTest::newRow("indicaciones de tabla quitadas")
        << "SELECT 1 FROM T WITH (NOLOCK, INDEX(IX_A)) JOIN U u (NOLOCK) ON 1=1"
        << "SELECT 1 FROM T  JOIN U u  ON 1=1";
    QTest::newRow("paréntesis con algo más que indicaciones conservados") << "SELECT 1 FROM T WITH (NOLOCK, 'x')"
                                                                          << "SELECT 1 FROM T WITH (NOLOCK, 'x')";
    QTest::newRow("partes de fecha y tipos pasan a literales")
        << "SELECT DATEADD(dd, 1, FECHA), CONVERT(varchar(10), FECHA, 103), CAST(ID AS decimal(5, 2)) FROM T"
        << "SELECT KQ_DATEADD('dd', 1, FECHA), KQ_CONVERT(FECHA, 'varchar(10)', 103), KQ_CONVERT(ID , 'decimal(5, 2)') "
           "FROM T";
    QTest::newRow("texto en lugar de un tipo conservado") << "SELECT CONVERT('a', FECHA), CAST(ID AS 'x') FROM T"
                                                          << "SELECT CONVERT('a', FECHA), CAST(ID AS 'x') FROM T";
    QTest::newRow("group y order by texto, expresiones y posiciones")
        << "SELECT NOMBRE, COUNT(*) FROM T GROUP BY NOMBRE, ID ORDER BY LTRIM(NOMBRE) DESC, 2, FECHA"
        << "SELECT NOMBRE, COUNT(*) FROM T GROUP BY NOMBRE COLLATE KQ_CI, ID ORDER BY LTRIM(NOMBRE) COLLATE KQ_CI "
           "DESC, 2 COLLATE KQ_CI, FECHA";
    QTest::newRow("distinct, union y agregados")
        << "SELECT DISTINCT NOMBRE, [NOMBRE] N FROM T UNION SELECT MIN(NOMBRE), MAX(FECHA) FROM U"
        << "SELECT DISTINCT NOMBRE COLLATE KQ_CI AS \"NOMBRE\", \"NOMBRE\" COLLATE KQ_CI N FROM T UNION SELECT "
           "MIN(NOMBRE COLLATE KQ_CI), MAX(FECHA) FROM U";

    // Dates.
    QTest::newRow("columna de fecha conserva su índice: sin intercalación")
        << "SELECT 1 FROM T WHERE FECHA >= '1/2/25 9:30' AND FECHA < '2025-02-02'"
        << "SELECT 1 FROM T WHERE FECHA >= '2025-02-01 09:30:00' AND FECHA < '2025-02-02 00:00:00'";
    QTest::newRow("literal de fecha a la izquierda") << "SELECT 1 FROM T WHERE '05/03/2025' <= A.FECHA"
                                                     << "SELECT 1 FROM T WHERE '2025-03-05 00:00:00' <= A.FECHA";
    QTest::newRow("lista de fechas")
        << "SELECT 1 FROM T WHERE FECHA IN ('1/1/2025', N'2/1/2025') AND [FECHA] NOT IN ('x')"
        << "SELECT 1 FROM T WHERE FECHA IN ('2025-01-01 00:00:00', '2025-01-02 00:00:00') AND \"FECHA\" NOT IN ('x')";
    QTest::newRow("fecha ilegible queda") << "SELECT 1 FROM T WHERE FECHA = '31/02/2025' OR FECHA = 'hoy'"
                                          << "SELECT 1 FROM T WHERE FECHA = '31/02/2025' OR FECHA = 'hoy'";
    QTest::newRow("literal de fecha en comparación de texto queda")
        << "SELECT 1 FROM T WHERE MENSAJE = '05/03/2025'"
        << "SELECT 1 FROM T WHERE MENSAJE COLLATE KQ_CI = '05/03/2025'";
    QTest::newRow("fecha asignada en update")
        << "UPDATE T SET FECHA = '5/3/2025 9:30', MENSAJE = '5/3/2025' WHERE FECHA = '5/3/2025'"
        << "UPDATE T SET FECHA = '2025-03-05 09:30:00', MENSAJE = '5/3/2025' WHERE FECHA = '2025-03-05 00:00:00'";
    QTest::newRow("fecha en su posición en filas de insert")
        << "INSERT INTO T (MENSAJE, [Fecha], ID) VALUES ('5/3/2025', '5/3/2025', 1), ('1/1/2025', '2/1/2025 10:00', 2)"
        << "INSERT INTO T (MENSAJE, \"Fecha\", ID) VALUES ('5/3/2025', '2025-03-05 00:00:00', 1), ('1/1/2025', "
           "'2025-01-02 10:00:00', 2)";
    QTest::newRow("insert sin lista de columnas intacto") << "INSERT INTO T VALUES ('5/3/2025')"
                                                          << "INSERT INTO T VALUES ('5/3/2025')";
    QTest::newRow("fecha en una concatenación queda") << "SELECT 1 FROM T WHERE FECHA = '5/3/2025' || ' 10:00'"
                                                      << "SELECT 1 FROM T WHERE FECHA = '5/3/2025' || ' 10:00'";

    // Broken text comes back whole, for the database to report.
    QTest::newRow("literal sin cerrar") << "SELECT * FROM T WHERE FECHA = '5/3/2025"
                                        << "SELECT * FROM T WHERE FECHA = '5/3/2025";
    QTest::newRow("literal sin cerrar tras top") << "SELECT TOP 1 * FROM T WHERE ID = 'abc"
                                                 << "SELECT TOP 1 * FROM T WHERE ID = 'abc";
    QTest::newRow("corchete sin cerrar") << "SELECT [abc FROM T"
                                         << "SELECT [abc FROM T";
    QTest::newRow("comentario sin cerrar") << "SELECT 1 /* TOP 1"
                                           << "SELECT 1 /* TOP 1";
    QTest::newRow("literal nacional justo tras un literal") << "SELECT 'a'N'b'"
                                                            << "SELECT 'a' 'b'";
    QTest::newRow("prefijo nacional suelto") << "N'"
                                             << "'";
    QTest::newRow("paréntesis de top abierto") << "SELECT TOP (1 FROM T"
                                               << "SELECT TOP (1 FROM T";
    QTest::newRow("paréntesis desparejados") << "SELECT ((( FROM ))))) WHERE = = IN ( BETWEEN"
                                             << "SELECT ((( FROM ))))) WHERE = = IN ( BETWEEN";
    QTest::newRow("palabras clave colgando") << "SELECT TOP ORDER BY NOT dbo. [dbo]. FECHA BETWEEN"
                                             << "SELECT TOP ORDER BY NOT   FECHA BETWEEN";
    QTest::newRow("basura") << QString::fromUtf8("\x01\xe2\x82\xac`~!@#$%^&*()_+{}|:\"<>?") + QChar(0xD800)
                            << QString::fromUtf8("\x01\xe2\x82\xac`~!@#$%^&*()_+{}|:\"<>?") + QChar(0xD800);
    QTest::newRow("vacía") << QString() << QString();
}

void TstTraductorSqlite::traduce()
{
    QFETCH(QString, entrada);
    QFETCH(QString, salida);
    QCOMPARE(TraductorSqlite(esquema()).traduce(entrada), salida);
}

// Operators and functions written as the server types their operands.
void TstTraductorSqlite::tipos_data()
{
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("salida");
    const auto fila = [](const char* nombre, const char* entrada, const char* salida) {
        QTest::newRow(nombre) << QString::fromUtf8(entrada) << QString::fromUtf8(salida);
    };
    fila("suma de enteros sin función", "SELECT E + F FROM T", "SELECT E + F FROM T");
    fila("texto junto a un número se convierte", "SELECT S + E, E - S FROM T",
         "SELECT KQ_CONVERT(S, 'int') + E, E - KQ_CONVERT(S, 'int') FROM T");
    fila("texto + texto concatena", "SELECT S + S FROM T", "SELECT KQ_SUMA(S , S) FROM T");
    fila("decimal dividido como real", "SELECT D / E FROM T", "SELECT KQ_DIVIDE_REAL(D , E) FROM T");
    fila("divisiones encadenadas", "SELECT E / F % 2 * E FROM T", "SELECT KQ_RESTO(KQ_DIVIDE(E , F) , 2) * E FROM T");
    fila("+ unario fuera", "SELECT 2 * + E FROM T", "SELECT 2 *   E FROM T");
    fila("literales frente a un entero", "SELECT 1 FROM T WHERE E = ' 3 ' OR E IN ('-4', 'x')",
         "SELECT 1 FROM T WHERE E = 3 OR E IN ((-4), KQ_CONVERT('x', 'int'))");
    fila("ISNULL de un entero con ''", "SELECT ISNULL(E, '') FROM T", "SELECT IFNULL(E, 0) FROM T");
    fila("'true' de un bit queda", "UPDATE T SET E = 'True' WHERE F = 'false'",
         "UPDATE T SET E = 'True' WHERE F = 'false'");
    fila("AVG de enteros entero", "SELECT AVG(E), AVG(D) FROM T", "SELECT CAST(AVG(E) AS INTEGER), AVG(D) FROM T");
    fila("menos ante texto rechazado", "SELECT - S FROM T; SELECT E - S, S - S FROM T",
         "SELECT KQ_FALLA('El tipo de datos varchar del operando no es válido para el operador minus.');"
         " SELECT KQ_FALLA('Los tipos de datos varchar y varchar son incompatibles en el operador subtract.')");
    fila("INSERT sin lista de columnas", "INSERT INTO T VALUES (1, '2', 2.5, 'x', '05/03/2025')",
         "INSERT INTO T VALUES (1, 2, 2.5, 'x', '2025-03-05 00:00:00')");
    fila("INSERT ... SELECT", "INSERT INTO T (S, FECHA) SELECT '05/03/2025', '05/03/2025'",
         "INSERT INTO T (S, FECHA) SELECT '05/03/2025', '2025-03-05 00:00:00'");
    fila("INSERT ... SELECT DISTINCT", "INSERT INTO T (FECHA, E) SELECT DISTINCT '05/03/2025', '7'",
         "INSERT INTO T (FECHA, E) SELECT DISTINCT '2025-03-05 00:00:00', 7");
    fila("expresión de fecha comparada con un día", "SELECT 1 FROM T WHERE DATEADD(day, 1, FECHA) > '05/03/2025'",
         "SELECT 1 FROM T WHERE KQ_DATEADD('day', 1, FECHA) > '2025-03-05 00:00:00'");
}

void TstTraductorSqlite::tipos()
{
    QFETCH(QString, entrada);
    QFETCH(QString, salida);
    QCOMPARE(TraductorSqlite(esquemaTipado()).traduce(entrada), salida);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstTraductorSqlite)
#include "tst_TraductorSqlite.moc"
