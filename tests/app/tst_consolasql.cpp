#include "app/ConsolaSql.h"
#include "support/BaseDePrueba.h"

#include <QProcess>
#include <QTest>

namespace {

struct Salida {
    int estado;
    QString salida;
    QString errores;
};

// Runs the real agenda-sql binary.
Salida corre(const QStringList& argumentos, const QByteArray& entrada = {})
{
    QProcess proceso;
    proceso.start(QStringLiteral(AGENDA_CARPETA_BINARIOS "/agenda-sql"), argumentos);
    proceso.write(entrada);
    proceso.closeWriteChannel();
    proceso.waitForFinished(60000);
    return {proceso.exitCode(), QString::fromUtf8(proceso.readAllStandardOutput()),
            QString::fromUtf8(proceso.readAllStandardError())};
}

} // namespace

class TstConsolaSql : public QObject {
    Q_OBJECT
private slots:
    void cortaSentencias_data();
    void cortaSentencias();
    void creaYListaElDia();
    void leeLaEntradaEstandar();
    void sentenciaFallidaDaEstado1_data();
    void sentenciaFallidaDaEstado1();
    void conexionImposibleDaEstado2();
    void traduceParaOracle();
};

void TstConsolaSql::cortaSentencias_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("sentencias");
    QTest::newRow("punto y coma") << "SELECT 1; SELECT 2;\n" << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("punto y coma entre comillas") << "UPDATE T SET A = 'x;y'; SELECT 1" << QStringList{"UPDATE T SET A = 'x;y'", "SELECT 1"};
    QTest::newRow("go en su línea") << "SELECT 1\nGO\nSELECT 2\ngo\n" << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("vacío") << "  \n ; \n" << QStringList{};
    QTest::newRow("apóstrofo en un comentario de línea")
        << "-- it's done\nSELECT 1; SELECT 2;" << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("punto y coma en comentarios") << "/* a; b */ SELECT 1 -- c;d\n;\nSELECT 2"
                                                << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("go dentro de un literal") << "UPDATE T SET A = 'x\nGO\ny'\nGO\nSELECT 1"
                                            << QStringList{"UPDATE T SET A = 'x\nGO\ny'", "SELECT 1"};
}

void TstConsolaSql::cortaSentencias()
{
    QFETCH(QString, texto);
    QFETCH(QStringList, sentencias);
    QCOMPARE(ConsolaSql::CortaSentencias(texto), sentencias);
}

void TstConsolaSql::creaYListaElDia()
{
    BaseDePrueba base;
    const auto r = corre({base.cadenaConexion(), "EXEC KQ_CREARAGENDA '05/03/2025', 30",
                          "SELECT * FROM MV_AGENDA WHERE FECHA BETWEEN '5/3/2025' AND '5/3/2025 23:59'"});
    QCOMPARE(r.estado, 0);
    QVERIFY2(r.salida.startsWith("28 registros afectados\nID\tFECHA\tIdProcesoBusqueda\tIdEntrevista\tMensaje\n"), qPrintable(r.salida));
    QVERIFY(r.salida.contains("\t05/03/2025 07:00:00\tNULL\tNULL\tNULL\n"));
    QVERIFY(r.salida.contains("\t05/03/2025 20:30:00\t"));
    QVERIFY(r.salida.endsWith("(28 filas)\n"));
}

void TstConsolaSql::leeLaEntradaEstandar()
{
    BaseDePrueba base(true);
    const auto r = corre({base.cadenaConexion()}, "-- it's the users; both of them\nSELECT nombre FROM ta_usuarios ORDER BY nombre;\n"
                                                  "/* and; how many */ SELECT COUNT(*) AS N FROM ta_usuarios\n");
    QCOMPARE(r.estado, 0);
    QCOMPARE(r.salida, "nombre\nadmin\nana\n(2 filas)\nN\n2\n(1 fila)\n");
}

// Every failure reaches standard error, also those the program itself keeps quiet.
void TstConsolaSql::sentenciaFallidaDaEstado1_data()
{
    QTest::addColumn<QString>("sentencia");
    QTest::addColumn<QString>("error");
    QTest::newRow("sintaxis") << "UPDATE MV_AGENDA SET WHERE" << "Error en la sentencia SQL";
    QTest::newRow("tabla inexistente") << "UPDATE NO_EXISTE SET A = 1" << "NO_EXISTE";
    QTest::newRow("consulta de tabla inexistente") << "SELECT * FROM NO_EXISTE" << "NO_EXISTE";
}

void TstConsolaSql::sentenciaFallidaDaEstado1()
{
    QFETCH(QString, sentencia);
    QFETCH(QString, error);
    BaseDePrueba base;
    const auto r = corre({base.cadenaConexion(), sentencia});
    QCOMPARE(r.estado, 1);
    QVERIFY2(r.errores.contains(error), qPrintable(r.errores));
    QVERIFY(r.salida.isEmpty());
}

void TstConsolaSql::conexionImposibleDaEstado2()
{
    const auto r = corre({"Provider=Microsoft.Jet.OLEDB.4.0;Server=x;Database =y;UId=u;Pwd=secreto;", "SELECT 1"});
    QCOMPARE(r.estado, 2);
    QVERIFY(r.errores.contains("Microsoft.Jet.OLEDB.4.0"));
    QVERIFY(!r.errores.contains("secreto"));
    QVERIFY(!r.salida.contains("secreto"));
}

void TstConsolaSql::traduceParaOracle()
{
    const auto r = corre({"--traducir-oracle", "SELECT TOP 1 * FROM T", "SELECT * FROM T WHERE A = 'abc"});
    QCOMPARE(r.estado, 1);
    QCOMPARE(r.salida, "SELECT  * FROM T WHERE ROWNUM <= 1\n");
    QVERIFY(r.errores.contains("Error 5"));
}

QTEST_GUILESS_MAIN(TstConsolaSql)
#include "tst_consolasql.moc"
