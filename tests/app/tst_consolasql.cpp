#include "app/ConsolaSql.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "support/ArchivoInmutable.h"
#include "support/BaseDePrueba.h"

#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <optional>

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
    void conexionImposibleDaEstado2_data();
    void conexionImposibleDaEstado2();
    void mensajeDelServidorIntacto_data();
    void mensajeDelServidorIntacto();
    void literalHostilTalCual_data();
    void literalHostilTalCual();
    void baseEnFallo_data();
    void baseEnFallo();
    void traduceParaOracle();
    void guionMarcaCadaSentencia();
    void salidaParaProgramas_data();
    void salidaParaProgramas();
};

void TstConsolaSql::cortaSentencias_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("sentencias");
    QTest::newRow("punto y coma") << "SELECT 1; SELECT 2;\n" << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("punto y coma entre comillas")
        << "UPDATE T SET A = 'x;y'; SELECT 1" << QStringList{"UPDATE T SET A = 'x;y'", "SELECT 1"};
    QTest::newRow("go en su línea") << "SELECT 1\nGO\nSELECT 2\ngo\n" << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("vacío") << "  \n ; \n" << QStringList{};
    QTest::newRow("apóstrofo en un comentario de línea")
        << "-- it's done\nSELECT 1; SELECT 2;" << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("punto y coma en comentarios")
        << "/* a; b */ SELECT 1 -- c;d\n;\nSELECT 2" << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("go dentro de un literal")
        << "UPDATE T SET A = 'x\nGO\ny'\nGO\nSELECT 1" << QStringList{"UPDATE T SET A = 'x\nGO\ny'", "SELECT 1"};
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
    QVERIFY2(r.salida.startsWith("28 registros afectados\nID\tFECHA\tIdProcesoBusqueda\tIdEntrevista\tMensaje\n"),
             qPrintable(r.salida));
    QVERIFY(r.salida.contains("\t05/03/2025 07:00:00\tNULL\tNULL\tNULL\n"));
    QVERIFY(r.salida.contains("\t05/03/2025 20:30:00\t"));
    QVERIFY(r.salida.endsWith("(28 filas)\n"));
}

void TstConsolaSql::leeLaEntradaEstandar()
{
    BaseDePrueba base(true);
    const auto r = corre({base.cadenaConexion()},
                         "-- it's the users; both of them\nSELECT nombre FROM ta_usuarios ORDER BY nombre;\n"
                         "/* and; how many */ SELECT COUNT(*) AS N FROM ta_usuarios\n");
    QCOMPARE(r.estado, 0);
    QCOMPARE(r.salida, "nombre\nadmin\nana\n(2 filas)\nN\n2\n(1 fila)\n");
}

// Every failure reaches standard error, also those the program itself keeps quiet.
void TstConsolaSql::sentenciaFallidaDaEstado1_data()
{
    QTest::addColumn<QString>("sentencia");
    QTest::addColumn<QString>("error");
    QTest::newRow("sintaxis") << "UPDATE MV_AGENDA SET WHERE"
                              << "Error en la sentencia SQL";
    QTest::newRow("tabla inexistente") << "UPDATE NO_EXISTE SET A = 1"
                                       << "NO_EXISTE";
    QTest::newRow("consulta de tabla inexistente") << "SELECT * FROM NO_EXISTE"
                                                   << "NO_EXISTE";
}

void TstConsolaSql::sentenciaFallidaDaEstado1()
{
    QFETCH(QString, sentencia);
    QFETCH(QString, error);
    BaseDePrueba base;
    const auto r = corre({base.cadenaConexion(), sentencia});
    QCOMPARE(r.estado, 1);
    QVERIFY2(r.errores.contains(error), qPrintable(r.errores));
    QVERIFY2(r.salida.startsWith("Sentencia 1: Error ") && r.salida.count(u'\n') == 1, qPrintable(r.salida));
}

void TstConsolaSql::conexionImposibleDaEstado2_data()
{
    QTest::addColumn<QString>("conexion");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("proveedor desconocido") << "Provider=Microsoft.Jet.OLEDB.4.0;Server=x;Database =y;UId=u;Pwd=secreto;"
                                           << "Microsoft.Jet.OLEDB.4.0";
    // Nothing listens on port 1. The console states the failure: nobody is there to answer a question.
    QTest::newRow("servidor sin respuesta con la línea del programa")
        << "@Server=127.0.0.1:1;@DbName=agenda;@Usuario=ana;@Password=secreto;@Proveedor=PostgreSQL;"
        << "No se puede llegar al servidor";
    QTest::newRow("sql server sin respuesta")
        << "Provider=SQLOLEDB;Server=127.0.0.1,1;Database=agenda;UId=ana;Pwd=secreto"
        << "No se puede llegar al servidor";
}

void TstConsolaSql::conexionImposibleDaEstado2()
{
    QFETCH(QString, conexion);
    QFETCH(QString, motivo);
    const auto r = corre({conexion, "SELECT 1"});
    QCOMPARE(r.estado, 2);
    QVERIFY2(r.errores.contains(motivo), qPrintable(r.errores));
    QVERIFY2(!r.errores.contains("Desea"), qPrintable(r.errores));
    QVERIFY(!r.errores.contains("secreto"));
    QVERIFY(!r.salida.contains("secreto"));
}

// The server's message reaches the person whole, whatever the password: a masking that replaced the
// password's text wherever it occurs garbled it ("***" for every "e") and told its letters.
void TstConsolaSql::mensajeDelServidorIntacto_data()
{
    QTest::addColumn<QString>("clave");
    QTest::newRow("clave de una letra") << "e";
    QTest::newRow("clave que es una palabra común") << "database";
    QTest::newRow("clave que es parte del nombre") << "noexiste";
}

void TstConsolaSql::mensajeDelServidorIntacto()
{
    QFETCH(QString, clave);
    if (ServidorDePrueba().isEmpty())
        QSKIP("No hay servidor PostgreSQL de prueba");
    const auto r = corre({ServidorDePrueba() + ";Database=noexiste;Pwd=" + clave, "SELECT 1"});
    QCOMPARE(r.estado, 2);
    QVERIFY2(r.errores.contains("database \"noexiste\" does not exist"), qPrintable(r.errores));
    QVERIFY2(!r.errores.contains("***"), qPrintable(r.errores));
}

void TstConsolaSql::traduceParaOracle()
{
    const auto r = corre({"--traducir-oracle", "SELECT TOP 1 * FROM T", "SELECT * FROM T WHERE A = 'abc"});
    QCOMPARE(r.estado, 1);
    QCOMPARE(r.salida, "SELECT  * FROM T WHERE ROWNUM <= 1\n");
    QVERIFY(r.errores.contains("Error 5"));
}

void TstConsolaSql::literalHostilTalCual_data()
{
    QTest::addColumn<QString>("texto");
    QTest::newRow("segunda sentencia") << "x'; DROP TABLE MV_AGENDA; --";
    QTest::newRow("comentarios") << "a -- b /* c */ d /* e";
    QTest::newRow("punto y coma y GO") << "uno;\nGO\ndos;";
    QTest::newRow("barra invertida y dólares") << "C:\\x\\' $$ $1 ?";
    QTest::newRow("acentos y emoji") << "Ángela, pingüino 📞🙂👍🏽";
    QTest::newRow("caracteres de control") << "a\tb\x01"
                                              "c\x1f"
                                              "d\x7f"
                                              "e\r\nf";
    QTest::newRow("10.000 caracteres") << QString(10000, u'n');
}

// A literal with every kind of hostile text, given on standard input as a script: one statement runs,
// and the file holds exactly the text.
void TstConsolaSql::literalHostilTalCual()
{
    QFETCH(QString, texto);
    BaseDePrueba base;
    QString literal = texto;
    literal.replace(u'\'', QStringLiteral("''"));
    const QString script = QStringLiteral("INSERT INTO MV_AGENDA (FECHA, Mensaje) VALUES ('05/03/2025 09:00', '%1');\n"
                                          "SELECT COUNT(*) AS N FROM MV_AGENDA;\n")
                               .arg(literal);
    const auto r = corre({base.cadenaConexion()}, script.toUtf8());
    QVERIFY2(r.estado == 0, qPrintable(r.errores));
    QCOMPARE(r.salida, "1 registro afectado\nN\n1\n(1 fila)\n");
    ado::Connection conexion;
    conexion.Open(base.cadenaConexion());
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT Mensaje FROM MV_AGENDA"), &conexion);
    QCOMPARE(rs.Fields().Item(0).Value().toString(), texto);
}

void TstConsolaSql::baseEnFallo_data()
{
    QTest::addColumn<QString>("caso");
    QTest::addColumn<int>("estado");
    QTest::addColumn<QString>("error");
    QTest::newRow("archivo que no existe") << "borrado" << 2 << "No existe el archivo";
    QTest::newRow("archivo inmutable") << "inmutable" << 1 << "solo lectura";
    QTest::newRow("base llena") << "lleno" << 1 << "lleno";
    QTest::newRow("bloqueada un momento por otro proceso") << "bloqueo" << 0 << "";
}

// A file that cannot take the statement: a Spanish message on standard error and a non-zero status;
// once the fault is gone the same statement works.
void TstConsolaSql::baseEnFallo()
{
    QFETCH(QString, caso);
    QFETCH(int, estado);
    QFETCH(QString, error);
    BaseDePrueba base;
    const QString nota = QStringLiteral("INSERT INTO MV_AGENDA (FECHA, Mensaje) VALUES ('05/03/2025 09:00', '%1')")
                             .arg(QString(10000, u'v'));
    QStringList sentencias{nota};
    std::optional<ArchivoInmutable> inmutable;
    ado::Connection otra;
    QTimer libera;
    if (caso == "borrado") {
        QVERIFY(QFile::rename(base.ruta(), base.ruta() + ".aparte"));
    } else if (caso == "inmutable") {
        if (!inmutable.emplace(base.ruta()).logrado())
            QSKIP("chattr +i no está disponible en este sistema de archivos");
    } else if (caso == "lleno") {
        sentencias.prepend(QStringLiteral("PRAGMA max_page_count = 1"));
    } else {
        // Held by another connection for two seconds: the statement waits for it.
        otra.Open(base.cadenaConexion());
        otra.BeginTrans();
        otra.Execute(QStringLiteral("UPDATE MV_AGENDA SET Mensaje = 'otra'"));
        libera.setSingleShot(true);
        QObject::connect(&libera, &QTimer::timeout, [&otra] { otra.RollbackTrans(); });
        libera.start(2000);
    }
    QProcess proceso;
    proceso.start(QStringLiteral(AGENDA_CARPETA_BINARIOS "/agenda-sql"),
                  QStringList{base.cadenaConexion()} + sentencias);
    QTRY_VERIFY_WITH_TIMEOUT(proceso.state() == QProcess::NotRunning, 60000);
    const QString errores = QString::fromUtf8(proceso.readAllStandardError());
    QCOMPARE(proceso.exitCode(), estado);
    QVERIFY2(errores.contains(error), qPrintable(errores));
    if (estado == 0)
        return;

    if (caso == "borrado")
        QVERIFY(QFile::rename(base.ruta() + ".aparte", base.ruta()));
    inmutable.reset();
    const auto r = corre({base.cadenaConexion(), nota});
    QVERIFY2(r.estado == 0, qPrintable(r.errores));
}

// A failed statement in the middle of a script leaves its mark between the others' results, and a
// statement whose records affected are unknown says so (never "-1 registros afectados").
void TstConsolaSql::guionMarcaCadaSentencia()
{
    BaseDePrueba base;
    const auto r = corre({base.cadenaConexion()},
                         "CREATE TABLE X (A INT);\nSELECT 1 AS A;\nSELECT * FROM NO_EXISTE;\nSELECT 2 AS B;\n");
    QCOMPARE(r.estado, 1);
    const QStringList lineas = r.salida.split(u'\n');
    QCOMPARE(lineas.mid(0, 4),
             (QStringList{"Hecho (la base de datos no dice cuántos registros afectó)", "A", "1", "(1 fila)"}));
    QVERIFY2(lineas[4].startsWith("Sentencia 3: Error ") && lineas[4].contains("NO_EXISTE"), qPrintable(r.salida));
    QCOMPARE(lineas.mid(5), (QStringList{"B", "2", "(1 fila)", ""}));
}

void TstConsolaSql::salidaParaProgramas_data()
{
    QTest::addColumn<QString>("opcion");
    QTest::addColumn<QString>("lector");
    QTest::addColumn<QString>("esperado");
    // csv cannot tell NULL from '' (both read as ''), only from the text 'NULL'.
    QTest::newRow("csv")
        << "--csv"
        << "import csv, sys, json\n"
           "t = list(csv.reader(sys.stdin))\n"
           "print(json.dumps([t[0]] + [[f[0], f[1], f[2], f[3]] for f in t[1:]], ensure_ascii=False))\n"
        << R"([["ID", "FECHA", "Mensaje", "R"], ["1", "2025-03-05 09:00:00", "", "13.0"], ["2", "2025-03-05 09:30:00", "NULL", "13.0"], ["3", "2025-03-05 10:00:00", "", "13.0"], ["4", "2025-03-05 10:30:00", "a,\"b\"\n\tc José 😀  ", "13.0"]])";
    QTest::newRow("json")
        << "--json"
        << "import sys, json\n"
           "t = [json.loads(l) for l in sys.stdin]\n"
           "print(json.dumps([list(t[0].keys())] + [[f['ID'], f['FECHA'], f['Mensaje'], f['R']] for f in t], "
           "ensure_ascii=False))\n"
        << R"([["ID", "FECHA", "Mensaje", "R"], [1, "2025-03-05 09:00:00", null, 13.0], [2, "2025-03-05 09:30:00", "NULL", 13.0], [3, "2025-03-05 10:00:00", "", 13.0], [4, "2025-03-05 10:30:00", "a,\"b\"\n\tc José 😀  ", 13.0]])";
}

// The machine-readable output, read back by Python's own modules, gives the stored values: types,
// NULL apart from 'NULL', quotes, commas, tabs and line breaks inside a value.
void TstConsolaSql::salidaParaProgramas()
{
    QFETCH(QString, opcion);
    QFETCH(QString, lector);
    QFETCH(QString, esperado);
    BaseDePrueba base;
    const QString script = QStringLiteral(
        "INSERT INTO MV_AGENDA (FECHA, Mensaje) VALUES ('05/03/2025 09:00', NULL);\n"
        "INSERT INTO MV_AGENDA (FECHA, Mensaje) VALUES ('05/03/2025 09:30', 'NULL');\n"
        "INSERT INTO MV_AGENDA (FECHA, Mensaje) VALUES ('05/03/2025 10:00', '');\n"
        "INSERT INTO MV_AGENDA (FECHA, Mensaje) VALUES ('05/03/2025 10:30', 'a,\"b\"\n\tc José 😀  ');\n");
    QVERIFY(corre({base.cadenaConexion()}, script.toUtf8()).estado == 0);
    const auto r
        = corre({opcion, base.cadenaConexion(), "SELECT ID, FECHA, Mensaje, 13.0 AS R FROM MV_AGENDA ORDER BY ID"});
    QVERIFY2(r.estado == 0, qPrintable(r.errores));
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), lector});
    python.write(r.salida.toUtf8());
    python.closeWriteChannel();
    python.waitForFinished(60000);
    QCOMPARE(QString::fromUtf8(python.readAllStandardOutput()).trimmed(), esperado);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstConsolaSql)
#include "tst_consolasql.moc"
