#include "platform/ado/Recordset.h"
#include "support/BaseDePrueba.h"
#include "support/VerificaAdo.h"

#include <QFile>

using namespace ado;

class TstProcedimientosSqlite : public QObject {
    Q_OBJECT

private:
    BaseDePrueba b{BaseDePrueba::Vacia{}};

    QStringList filas()
    {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT DIA, MINUTOS, TEXTO FROM HUECOS ORDER BY ID"), &b.conexion());
        QStringList salida;
        for (; !rs.Eof(); rs.MoveNext())
            salida.append(
                QStringLiteral("%1|%2|%3")
                    .arg(rs.Fields()[0].Value().toString(),
                         rs.Fields()[1].Value().isNull() ? QStringLiteral("null") : rs.Fields()[1].Value().toString(),
                         rs.Fields()[2].Value().toString()));
        return salida;
    }

    void define(const QString& nombre, const QString& parametros, const QString& cuerpo)
    {
        QString p = parametros;
        QString c = cuerpo;
        b.conexion().Execute(
            QStringLiteral("INSERT INTO KQ_PROCEDIMIENTOS VALUES ('%1', '%2', '%3')")
                .arg(nombre, p.replace(u'\'', QStringLiteral("''")), c.replace(u'\'', QStringLiteral("''"))));
    }

private slots:
    void init()
    {
        if (b.conexion().State() == adStateOpen)
            b.conexion().Close();
        QFile::remove(b.ruta());
        VERIFICA_ADO(
            b.prepara({QStringLiteral("CREATE TABLE HUECOS (ID INTEGER PRIMARY KEY, DIA DATETIME NOT NULL, "
                                      "MINUTOS INT, TEXTO TEXT, UNIQUE (DIA, TEXTO))"),
                       QStringLiteral("CREATE TABLE KQ_PROCEDIMIENTOS (NOMBRE TEXT PRIMARY KEY, PARAMETROS TEXT "
                                      "NOT NULL DEFAULT '', CUERPO TEXT NOT NULL)")}));
        define(
            QStringLiteral("KQ_HUECOS"), QStringLiteral("@Dia DATETIME, @Minutos INT = 30, @Texto VARCHAR(20) = NULL"),
            QStringLiteral("INSERT INTO HUECOS (DIA, MINUTOS, TEXTO) VALUES (:Dia, :Minutos, :Texto); "
                           "-- a second row, a quarter later; with a ; in this comment\n"
                           "INSERT INTO HUECOS (DIA, MINUTOS, TEXTO) VALUES (datetime(:dia, '+15 minutes'), :MINUTOS, "
                           "coalesce(:Texto, 'sin; texto'))"));
    }

    void llamadas_data()
    {
        QTest::addColumn<QString>("llamada");
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("los valores por defecto llenan los argumentos que faltan")
            << "EXEC KQ_HUECOS '05/03/2025'"
            << QStringList{"2025-03-05T00:00:00.000|30|", "2025-03-05T00:15:00.000|30|sin; texto"};
        QTest::newRow("todos los argumentos, dueño y corchetes, cualquier caja")
            << "execute dbo.[kq_huecos] '5/3/2025 9:30', 45, N'O''Neill';"
            << QStringList{"2025-03-05T09:30:00.000|45|O'Neill", "2025-03-05T09:45:00.000|45|O'Neill"};
        QTest::newRow("nulo explícito y número negativo")
            << "EXEC KQ_HUECOS '2025-03-05', NULL, 'x'"
            << QStringList{"2025-03-05T00:00:00.000|null|x", "2025-03-05T00:15:00.000|null|x"};
        QTest::newRow("entero desde un texto y un decimal truncado")
            << "EXEC KQ_HUECOS '05/03/2025', '-10'"
            << QStringList{"2025-03-05T00:00:00.000|-10|", "2025-03-05T00:15:00.000|-10|sin; texto"};
        QTest::newRow("comentarios alrededor de los argumentos")
            << "EXEC /* huecos */ KQ_HUECOS '05/03/2025', -- día\n 45 -- minutos"
            << QStringList{"2025-03-05T00:00:00.000|45|", "2025-03-05T00:15:00.000|45|sin; texto"};
        QTest::newRow("decimal truncado a entero")
            << "EXEC KQ_HUECOS '05/03/2025', 12.7"
            << QStringList{"2025-03-05T00:00:00.000|12|", "2025-03-05T00:15:00.000|12|sin; texto"};
    }
    void llamadas()
    {
        QFETCH(QString, llamada);
        int32_t registros = 0;
        b.conexion().Execute(llamada, &registros);
        QCOMPARE(registros, 2);
        QTEST(filas(), "esperado");
    }

    void fechaGuardadaEnFormaIso()
    {
        b.conexion().Execute(QStringLiteral("EXEC KQ_HUECOS '31/12/2025 23:59'"));
        Recordset rs;
        rs.Open(QStringLiteral("SELECT typeof(DIA) || ':' || DIA AS T FROM HUECOS ORDER BY ID"), &b.conexion());
        QCOMPARE(rs.Fields()[0].Value().toString(), QStringLiteral("text:2025-12-31 23:59:00"));
    }

    void errores_data()
    {
        QTest::addColumn<QString>("llamada");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("procedimiento desconocido") << "EXEC KQ_NADA 1"
                                                   << "No se encuentra el procedimiento almacenado \"KQ_NADA\"";
        QTest::newRow("argumento ausente sin valor por defecto") << "EXEC KQ_HUECOS"
                                                                 << "@Dia";
        QTest::newRow("demasiados argumentos") << "EXEC KQ_HUECOS '05/03/2025', 1, 'a', 2"
                                               << "demasiados argumentos";
        QTest::newRow("fecha ilegible") << "EXEC KQ_HUECOS '31/02/2025'"
                                        << "no es una fecha válida";
        QTest::newRow("no es un número") << "EXEC KQ_HUECOS '05/03/2025', 'media'"
                                         << "no es un número válido";
        QTest::newRow("literal sin cerrar") << "EXEC KQ_HUECOS '05/03/2025"
                                            << "no es válida";
        QTest::newRow("palabra suelta tras los argumentos") << "EXEC KQ_HUECOS '05/03/2025' 30"
                                                            << "no es válida";
    }
    void errores()
    {
        QFETCH(QString, llamada);
        QFETCH(QString, mensaje);
        const ErrorVB e = ErrorDe([&] { b.conexion().Execute(llamada); });
        QCOMPARE(e.numero(), NumeroError::ErroresEnComando);
        QVERIFY2(e.descripcion().contains(mensaje), qPrintable(e.descripcion()));
        QCOMPARE(b.conexion().Errors().Count(), 1);
        QCOMPARE(filas(), QStringList{});
    }

    void sinTablaDeProcedimientos()
    {
        b.conexion().Execute(QStringLiteral("DROP TABLE KQ_PROCEDIMIENTOS"));
        QCOMPARE(ErrorDe([&] { b.conexion().Execute(QStringLiteral("EXEC KQ_HUECOS '05/03/2025'")); }).numero(),
                 NumeroError::ErroresEnComando);
    }

    // The second statement fails on the unique key: the first one's row must go too.
    void fallaYDeshaceTodo()
    {
        b.conexion().Execute(QStringLiteral("INSERT INTO HUECOS (DIA, TEXTO) VALUES ('2025-03-05 00:15:00', 'x')"));
        QCOMPARE(
            ErrorDe([&] { b.conexion().Execute(QStringLiteral("EXEC KQ_HUECOS '05/03/2025', 30, 'x'")); }).numero(),
            NumeroError::ViolacionIntegridad);
        QCOMPARE(filas(), QStringList{"2025-03-05T00:15:00.000|null|x"});
    }

    // Inside the caller's transaction the procedure's work is undone with it.
    void dentroDeUnaTransaccion()
    {
        b.conexion().BeginTrans();
        b.conexion().Execute(QStringLiteral("EXEC KQ_HUECOS '05/03/2025'"));
        QCOMPARE(filas().size(), 2);
        b.conexion().RollbackTrans();
        QCOMPARE(filas(), QStringList{});
    }

    void devuelveFilasYCreaTablas()
    {
        define(QStringLiteral("KQ_PREPARA"), QString(),
               QStringLiteral("CREATE TABLE EXTRA (CUANDO DATETIME); INSERT INTO EXTRA VALUES ('2025-03-05 10:00:00'); "
                              "SELECT CUANDO FROM EXTRA"));
        Recordset rs;
        rs.Open(QStringLiteral("EXEC KQ_PREPARA"), &b.conexion());
        QCOMPARE(rs.RecordCount(), 1);
        QCOMPARE(rs.Fields()[0].Value(), QVariant(QDateTime(QDate(2025, 3, 5), QTime(10, 0))));
        QCOMPARE(rs.Fields()[0].Type(), int(adDBTimeStamp));
    }

    void parametroNoDeclarado()
    {
        define(QStringLiteral("KQ_MAL"), QStringLiteral("@A INT"),
               QStringLiteral("INSERT INTO HUECOS (DIA, MINUTOS) VALUES (:B, :A)"));
        QCOMPARE(ErrorDe([&] { b.conexion().Execute(QStringLiteral("EXEC KQ_MAL 1")); }).numero(),
                 NumeroError::ErroresEnComando);
    }
};

AGENDA_PRUEBA_SIN_VENTANAS(TstProcedimientosSqlite)
#include "tst_ProcedimientosSqlite.moc"
