#include "data/DB_Dll.h"
#include "data/ScriptOracle.h"
#include "platform/ado/Constantes.h"
#include "support/DialogosGuionados.h"
#include "support/ProveedorGrabador.h"

#include <QTest>

namespace {
const QString kProveedorOracle = QStringLiteral("OraOLEDB.Oracle.1");
const QString kCadenaOracle = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=X;User Id=u;Password=p;");
} // namespace

// The script runner, driven through EjecutaConsultaSQL on an Oracle connection whose backend is the
// recording double: what reaches the connection, in which order, and what the caller sees after.
class TstScriptOracle : public QObject {
    Q_OBJECT
private slots:
    void ejecuta_data();
    void ejecuta();
    void falloDejaElRestoDelScript();
    void falloInformadoConSuNumero();
    void filtraSentencia_data();
    void filtraSentencia();
    void scriptGrandeSeCortaEntero();

private:
    struct Resultado {
        QStringList llamadas;
        QString sentencia;
        int32_t afectados;
    };
    static Resultado corre(const QString& script, int32_t afectadosIniciales = 0, const QString& fallaCon = {},
                           int32_t numeroFallo = 0);
};

TstScriptOracle::Resultado TstScriptOracle::corre(const QString& script, int32_t afectadosIniciales,
                                                  const QString& fallaCon, int32_t numeroFallo)
{
    ProveedorGrabador::Guion guion;
    guion.fallaCon = fallaCon;
    guion.numeroFallo = numeroFallo;
    ProveedorGrabador::Registro registro(kProveedorOracle, guion);
    DB_Dll db;
    db.gEsAdmin = true;
    db.gConnString = kCadenaOracle;
    db.gCnn().Open(kCadenaOracle);
    QString sentencia = script;
    int32_t afectados = afectadosIniciales;
    db.EjecutaConsultaSQL(sentencia, afectados);
    return {guion.llamadas, sentencia, afectados};
}

void TstScriptOracle::ejecuta_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("llamadas");
    QTest::addColumn<int>("afectados");
    QTest::addColumn<QString>("resto");

    QTest::newRow("nocount, go y dos inserts")
        << "SET NOCOUNT ON\r\nGO\r\nINSERT INTO T (A) VALUES ('x')\r\nINSERT INTO T (A) VALUES ('y')"
        << QStringList{"INSERT INTO T (A) VALUES ('X')", "INSERT INTO T (A) VALUES ('Y')"} << 2 << "";
    QTest::newRow("transacción alrededor") << "BEGIN TRANSACTION\r\nUPDATE T SET A = 1\r\nCOMMIT TRANSACTION"
                                           << QStringList{"BeginTrans", "UPDATE T SET A = 1", "CommitTrans"} << 1 << "";
    QTest::newRow("forma corta y deshacer") << "begin trans delete from t rollback trans"
                                            << QStringList{"BeginTrans", "DELETE FROM T", "RollbackTrans"} << 1 << "";
    QTest::newRow("sin palabras clave no ejecuta nada")
        << "EXEC KQ_CREARAGENDA '05/03/2025', 30" << QStringList{} << 0 << "EXEC KQ_CREARAGENDA '05/03/2025', 30";
    QTest::newRow("select no se ejecuta") << "SELECT * FROM T" << QStringList{} << 0 << "SELECT * FROM T";
    QTest::newRow("if exists se corta antes del delete")
        << "IF EXISTS (SELECT 1 FROM T) DELETE FROM T WHERE A = 1"
        << QStringList{"IF EXISTS (SELECT 1 FROM T)", "DELETE FROM T WHERE A = 1"} << 2 << "";
    QTest::newRow("if not exists se descarta, lo que sigue corre igual")
        << "IF NOT EXISTS (SELECT 1 FROM T) INSERT INTO T (A) VALUES (1)" << QStringList{"INSERT INTO T (A) VALUES (1)"}
        << 1 << "";
    QTest::newRow("go final sin salto queda en la sentencia")
        << "INSERT INTO T (A) VALUES (1)\r\nGO" << QStringList{"INSERT INTO T (A) VALUES (1) \nGO"} << 1 << "";
    QTest::newRow("texto delante de la primera palabra no se ejecuta")
        << "PRINT 'hola' UPDATE T SET A = 2" << QStringList{"UPDATE T SET A = 2"} << 1 << "";
    QTest::newRow("alter dentro de una nota no corta")
        << "UPDATE MV_AGENDA SET MENSAJE = 'Llamar a Walter' WHERE ID = 7"
        << QStringList{"UPDATE MV_AGENDA SET MENSAJE = 'LLAMAR A WALTER' WHERE ID = 7"} << 1 << "";
    QTest::newRow("palabra clave en un comentario no corta")
        << "-- insert rows\r\nINSERT INTO T (A) VALUES (1)" << QStringList{"INSERT INTO T (A) VALUES (1)"} << 1 << "";
    QTest::newRow("saltos de línea y go dentro de una nota")
        << "UPDATE T SET A = 'uno\r\ngo dos'" << QStringList{"UPDATE T SET A = 'UNO\r\nGO DOS'"} << 1 << "";
}

void TstScriptOracle::ejecuta()
{
    QFETCH(QString, script);
    QFETCH(QStringList, llamadas);
    QFETCH(int, afectados);
    QFETCH(QString, resto);
    DialogosDePrueba dialogos;
    const auto r = corre(script, 0);
    QCOMPARE(r.llamadas, llamadas);
    QCOMPARE(r.afectados, afectados);
    QCOMPARE(r.sentencia, resto);
    QVERIFY(dialogos->registros().isEmpty());
}

// A failing statement ends the script: what ran stays run, the caller's variable holds the rest of
// the script from the failing statement on, the count holds the total so far (from its start value).
void TstScriptOracle::falloDejaElRestoDelScript()
{
    DialogosDePrueba dialogos;
    const auto r = corre("BEGIN TRANSACTION INSERT INTO T VALUES (1) INSERT INTO T VALUES (2) INSERT INTO T VALUES (3)",
                         10, "(2)", ado::NumeroError::ErroresEnComando);
    QCOMPARE(r.llamadas, (QStringList{"BeginTrans", "INSERT INTO T VALUES (1)", "INSERT INTO T VALUES (2)"}));
    QCOMPARE(r.afectados, 11);
    QCOMPARE(r.sentencia, "INSERT INTO T VALUES (2) INSERT INTO T VALUES (3)");
    QVERIFY(dialogos->registros().isEmpty());
}

void TstScriptOracle::falloInformadoConSuNumero()
{
    DialogosDePrueba dialogos;
    (void)corre("UPDATE T SET A = 1", 0, "UPDATE", 12345);
    QCOMPARE(dialogos->registros().size(), 1);
    QCOMPARE(dialogos->registros().first().titulo, "Aviso al operador!!!");
    QCOMPARE(dialogos->registros().first().texto, "Fallo simulado");
    QCOMPARE(dialogos->registros().first().estilo, Msg::OkSolo + Msg::Critico);
}

void TstScriptOracle::filtraSentencia_data()
{
    QTest::addColumn<QString>("sentencia");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("set nocount en medio") << "UPDATE T SET A = 1; set nocount off"
                                          << "";
    QTest::newRow("if not exists") << "If Not Exists (SELECT 1)"
                                   << "";
    QTest::newRow("sentencia normal") << "UPDATE T SET A = 1"
                                      << "UPDATE T SET A = 1";
    QTest::newRow("if not exists dentro de un literal") << "UPDATE T SET A = 'if not exists'"
                                                        << "UPDATE T SET A = 'if not exists'";
}

void TstScriptOracle::filtraSentencia()
{
    QFETCH(QString, sentencia);
    QFETCH(QString, esperado);
    QString s = sentencia;
    QCOMPARE(ScriptOracle::FiltraSentencia(s), esperado);
    QCOMPARE(s, esperado);
}

void TstScriptOracle::scriptGrandeSeCortaEntero()
{
    QString script;
    for (int i = 0; i < 5000; ++i)
        script += QStringLiteral("INSERT INTO T (A, B) VALUES (%1, 'fila %1')\r\n").arg(i);
    DialogosDePrueba dialogos;
    const auto r = corre(script);
    QCOMPARE(r.llamadas.size(), 5000);
    QCOMPARE(r.llamadas.last(), "INSERT INTO T (A, B) VALUES (4999, 'FILA 4999')");
    QCOMPARE(r.afectados, 5000);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstScriptOracle)
#include "tst_scriptoracle.moc"
