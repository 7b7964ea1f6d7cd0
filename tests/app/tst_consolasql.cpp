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
    void conexionImposibleDaEstado2();
    void mensajeDelServidorIntacto_data();
    void mensajeDelServidorIntacto();
    void literalHostilTalCual_data();
    void literalHostilTalCual();
    void baseEnFallo_data();
    void baseEnFallo();
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
    QTest::newRow("caracteres de control") << "a\tb\x01" "c\x1f" "d\x7f" "e\r\nf";
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
    proceso.start(QStringLiteral(AGENDA_CARPETA_BINARIOS "/agenda-sql"), QStringList{base.cadenaConexion()} + sentencias);
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

QTEST_GUILESS_MAIN(TstConsolaSql)
#include "tst_consolasql.moc"
