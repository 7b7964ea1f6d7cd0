#include "platform/ado/FuenteActualizable.h"
#include "platform/ado/Recordset.h"
#include "support/BaseDePrueba.h"
#include "support/VerificaAdo.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace ado;

class TstRecordset : public QObject {
    Q_OBJECT

private:
    BaseDePrueba b{BaseDePrueba::Vacia{}};

    // The stored text of a column, read straight through Qt, past every layer of ours.
    QString almacenado(const QString& sentencia)
    {
        QString texto;
        {
            auto base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("directa"));
            base.setDatabaseName(b.ruta());
            base.open();
            QSqlQuery q(base);
            q.exec(sentencia);
            q.next();
            texto = q.value(0).toString();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("directa"));
        return texto;
    }

    QStringList nombres(const QString& fuente)
    {
        Recordset rs;
        rs.Open(fuente, &b.conexion());
        QStringList salida;
        for (; !rs.Eof(); rs.MoveNext())
            salida.append(rs.Fields()[QStringLiteral("NOMBRE")].Value().toString());
        return salida;
    }

private slots:
    void init()
    {
        QVERIFY(!b.carpeta().isEmpty());
        if (b.conexion().State() == adStateOpen)
            b.conexion().Close();
        QFile::remove(b.ruta());
        VERIFICA_ADO(b.prepara(
            {QStringLiteral("CREATE TABLE PERSONAS (ID INTEGER PRIMARY KEY, NOMBRE VARCHAR(30), "
                            "NOTA TEXT, ALTA DATETIME, ACTIVO BIT DEFAULT 1)"),
             QStringLiteral("INSERT INTO PERSONAS (NOMBRE, NOTA, ALTA) VALUES ('Ana', '', '2025-03-05 09:30:00'), "
                            "('Luis', NULL, NULL), ('Eva', '05/03/2025', '2025-03-06')")}));
    }

    void vacio()
    {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM PERSONAS WHERE ID = 0"), &b.conexion());
        QVERIFY(rs.Bof());
        QVERIFY(rs.Eof());
        QCOMPARE(rs.RecordCount(), 0);
        QCOMPARE(rs.Fields().Count(), 5);
        QCOMPARE(ErrorDe([&] { (void)rs.Fields()[0].Value(); }).numero(), NumeroError::SinRegistroActual);
        QCOMPARE(ErrorDe([&] { rs.MoveFirst(); }).numero(), NumeroError::SinRegistroActual);
        QCOMPARE(ErrorDe([&] { rs.MoveNext(); }).numero(), NumeroError::SinRegistroActual);
    }

    // A client cursor walks past both ends exactly once; a second step past an end is an error.
    void navegacion()
    {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT NOMBRE FROM PERSONAS ORDER BY ID"), &b.conexion(), adOpenStatic, adLockReadOnly);
        QCOMPARE(rs.RecordCount(), 3);
        QVERIFY(!rs.Bof());
        QCOMPARE(rs.Fields()[0].Value().toString(), QStringLiteral("Ana"));
        rs.MoveLast();
        QCOMPARE(rs.Fields()[0].Value().toString(), QStringLiteral("Eva"));
        rs.MoveNext();
        QVERIFY(rs.Eof());
        QCOMPARE(ErrorDe([&] { rs.MoveNext(); }).numero(), NumeroError::SinRegistroActual);
        rs.MovePrevious();
        QCOMPARE(rs.Fields()[0].Value().toString(), QStringLiteral("Eva"));
        rs.MoveFirst();
        rs.MovePrevious();
        QVERIFY(rs.Bof());
        QVERIFY(!rs.Eof());
        QCOMPARE(ErrorDe([&] { (void)rs.Fields()[0].Value(); }).numero(), NumeroError::SinRegistroActual);
        QCOMPARE(ErrorDe([&] { rs.MovePrevious(); }).numero(), NumeroError::SinRegistroActual);
        rs.Close();
        QCOMPARE(rs.State(), int(adStateClosed));
        QCOMPARE(ErrorDe([&] { (void)rs.Eof(); }).numero(), NumeroError::ObjetoCerrado);
    }

    void camposPorNombre_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("tamano");
        QTest::newRow("caja exacta") << "NOMBRE" << QVariant(QStringLiteral("Luis")) << int(adVarWChar) << 30;
        QTest::newRow("minúsculas") << "nombre" << QVariant(QStringLiteral("Luis")) << int(adVarWChar) << 30;
        QTest::newRow("texto nulo es nulo, no vacío") << "Nota" << QVariant() << int(adLongVarWChar) << 0;
        QTest::newRow("fecha nula") << "alta" << QVariant() << int(adDBTimeStamp) << 16;
        QTest::newRow("clave entera") << "id" << QVariant(2) << int(adInteger) << 4;
        QTest::newRow("bit por defecto") << "ACTIVO" << QVariant(1) << int(adBoolean) << 2;
        QTest::newRow("expresión tipada por su valor") << "DOBLE" << QVariant(4) << int(adInteger) << 4;
    }
    void camposPorNombre()
    {
        QFETCH(QString, nombre);
        QFETCH(QVariant, valor);
        Recordset rs;
        rs.Open(QStringLiteral("SELECT *, ID * 2 AS DOBLE FROM PERSONAS WHERE ID = 2"), QString(b.cadenaConexion()));
        const Field campo = rs.Fields()[nombre];
        QCOMPARE(campo.Value().isNull(), valor.isNull());
        QCOMPARE(campo.Value(), valor);
        QTEST(campo.Type(), "tipo");
        QTEST(campo.DefinedSize(), "tamano");
        QCOMPARE(ErrorDe([&] { (void)rs.Fields()[QStringLiteral("NOEXISTE")]; }).numero(),
                 ErroresVB::ElementoNoEncontrado);
        QCOMPARE(ErrorDe([&] { (void)rs.Fields()[9]; }).numero(), ErroresVB::ElementoNoEncontrado);
    }

    void textoVacioNoEsNulo()
    {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT NOTA FROM PERSONAS WHERE ID = 1"), &b.conexion());
        QVERIFY(!rs.Fields()[0].Value().isNull());
        QCOMPARE(rs.Fields()[0].Value().toString(), QString());
    }

    // Date columns come back as date-times, whatever form the stored text has; a text column
    // holding a date-like note stays text.
    void fechasLeidas_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("columna");
        QTest::addColumn<QVariant>("valor");
        QTest::newRow("fecha y hora iso completa")
            << 1 << "ALTA" << QVariant(QDateTime(QDate(2025, 3, 5), QTime(9, 30)));
        QTest::newRow("fecha sin hora") << 3 << "ALTA" << QVariant(QDateTime(QDate(2025, 3, 6), QTime(0, 0)));
        QTest::newRow("nota con forma de fecha sigue siendo texto")
            << 3 << "NOTA" << QVariant(QStringLiteral("05/03/2025"));
    }
    void fechasLeidas()
    {
        QFETCH(int, id);
        QFETCH(QString, columna);
        Recordset rs;
        rs.Open(QStringLiteral("SELECT %1 FROM PERSONAS WHERE ID = %2").arg(columna).arg(id), &b.conexion());
        QTEST(rs.Fields()[0].Value(), "valor");
    }

    void altaConAddNew_data()
    {
        QTest::addColumn<QVariant>("alta");
        QTest::addColumn<QString>("guardado");
        QTest::newRow("valor de fecha y hora")
            << QVariant(QDateTime(QDate(2025, 12, 1), QTime(8, 5))) << "2025-12-01 08:05:00";
        QTest::newRow("texto con el día primero en una columna de fecha")
            << QVariant(QStringLiteral("1/12/2025 8:05")) << "2025-12-01 08:05:00";
        QTest::newRow("fecha nula") << QVariant() << "";
    }
    void altaConAddNew()
    {
        QFETCH(QVariant, alta);
        Recordset rs;
        rs.Open(QStringLiteral("SELECT NOMBRE, NOTA, ALTA, ACTIVO FROM [PERSONAS] WHERE ID = 0"), &b.conexion(),
                adOpenKeyset, adLockOptimistic);
        rs.AddNew();
        QVERIFY(!rs.Eof());
        rs.Fields()[QStringLiteral("nombre")].setValue(QStringLiteral("O'Neill"));
        rs.Fields()[QStringLiteral("NOTA")].setValue(QStringLiteral("05/03/2025"));
        rs.Fields()[QStringLiteral("ALTA")].setValue(alta);
        rs.Update();
        QCOMPARE(rs.RecordCount(), 1);
        QTEST(almacenado(QStringLiteral("SELECT ALTA FROM PERSONAS WHERE NOMBRE = 'O''Neill'")), "guardado");
        QCOMPARE(almacenado(QStringLiteral("SELECT NOTA FROM PERSONAS WHERE NOMBRE = 'O''Neill'")),
                 QStringLiteral("05/03/2025"));
        // A field left unassigned takes the table's default.
        QCOMPARE(almacenado(QStringLiteral("SELECT ACTIVO FROM PERSONAS WHERE NOMBRE = 'O''Neill'")),
                 QStringLiteral("1"));
    }

    void cambioDeFilaExistente()
    {
        b.conexion().Execute(
            QStringLiteral("INSERT INTO PERSONAS (NOMBRE, NOTA, ALTA) VALUES ('Ana', '', '2025-03-05 09:30:00')"));
        Recordset rs;
        rs.Open(QStringLiteral("SELECT NOMBRE, NOTA, ALTA FROM [PERSONAS] ORDER BY NOMBRE"), &b.conexion(),
                adOpenKeyset, adLockOptimistic);
        // Two rows hold the same values: only one of them changes.
        rs.Fields()[QStringLiteral("NOTA")].setValue(QStringLiteral("cambiada"));
        rs.Fields()[QStringLiteral("ALTA")].setValue(QDateTime(QDate(2026, 1, 2), QTime(10, 0)));
        rs.Update();
        // A null original matches a null in the table.
        rs.MoveLast();
        QCOMPARE(rs.Fields()[0].Value().toString(), QStringLiteral("Luis"));
        rs.Fields()[QStringLiteral("NOTA")].setValue(QStringLiteral("nota de Luis"));
        rs.MoveFirst(); // moving writes pending changes
        QCOMPARE(almacenado(QStringLiteral("SELECT COUNT(*) FROM PERSONAS WHERE NOTA = 'cambiada' "
                                           "AND ALTA = '2026-01-02 10:00:00'")),
                 QStringLiteral("1"));
        QCOMPARE(almacenado(QStringLiteral("SELECT NOTA FROM PERSONAS WHERE NOMBRE = 'Luis'")),
                 QStringLiteral("nota de Luis"));
        QCOMPARE(almacenado(QStringLiteral("SELECT COUNT(*) FROM PERSONAS WHERE NOMBRE = 'Ana'")), QStringLiteral("2"));
    }

    // The row changed under the recordset: the update finds nothing and says so.
    void filaCambiadaPorOtro()
    {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM PERSONAS WHERE ID = 1"), &b.conexion(), adOpenKeyset, adLockOptimistic);
        b.conexion().Execute(QStringLiteral("UPDATE PERSONAS SET NOMBRE = 'Otra' WHERE ID = 1"));
        rs.Fields()[QStringLiteral("NOTA")].setValue(QStringLiteral("x"));
        QCOMPARE(ErrorDe([&] { rs.Update(); }).numero(), NumeroError::Fallo);
        QCOMPARE(b.conexion().Errors().Count(), 1);
    }

    void fuentes_data()
    {
        QTest::addColumn<QString>("fuente");
        QTest::addColumn<QString>("tabla");
        QTest::newRow("simple") << "SELECT * FROM PERSONAS"
                                << "PERSONAS";
        QTest::newRow("entre corchetes con dueño y where") << "select ID from dbo.[MV AGENDA] where ID = 1"
                                                           << "MV AGENDA";
        QTest::newRow("order by y punto y coma") << "SELECT A FROM T ORDER BY A;"
                                                 << "T";
        QTest::newRow("subconsulta en where") << "SELECT A FROM T WHERE A IN (SELECT B FROM U)"
                                              << "T";
        QTest::newRow("from dentro de un literal") << "SELECT 'x FROM y' AS A FROM T"
                                                   << "T";
        QTest::newRow("join") << "SELECT * FROM T JOIN U ON T.A = U.A"
                              << "";
        QTest::newRow("lista con comas") << "SELECT * FROM T, U"
                                         << "";
        QTest::newRow("alias") << "SELECT * FROM T X"
                               << "";
        QTest::newRow("group by") << "SELECT A FROM T GROUP BY A"
                                  << "";
        QTest::newRow("union") << "SELECT A FROM T WHERE A = 1 UNION SELECT A FROM U"
                               << "";
        QTest::newRow("subconsulta como origen") << "SELECT * FROM (SELECT A FROM T)"
                                                 << "";
        QTest::newRow("llamada a procedimiento") << "EXEC KQ_CREARAGENDA '05/03/2025'"
                                                 << "";
        QTest::newRow("join dentro de un comentario") << "SELECT A FROM T -- JOIN U\nWHERE A = 1 /* UNION */"
                                                      << "T";
        QTest::newRow("comilla dentro de un comentario") << "SELECT A FROM T /* it's */ WHERE A = 1"
                                                         << "T";
        QTest::newRow("comilla en un comentario de línea") << "SELECT A FROM T -- it's\nWHERE A = 1"
                                                           << "T";
        QTest::newRow("paréntesis de más antes de UNION") << "SELECT A FROM T WHERE A = 1) UNION SELECT B FROM U"
                                                          << "";
    }
    void fuentes()
    {
        QFETCH(QString, fuente);
        QTEST(TablaActualizable(fuente).value_or(QString()), "tabla");
    }

    void noActualizable_data()
    {
        QTest::addColumn<QString>("fuente");
        QTest::addColumn<int>("bloqueo");
        QTest::newRow("bloqueo de solo lectura") << "SELECT * FROM PERSONAS" << int(adLockReadOnly);
        QTest::newRow("join") << "SELECT P.* FROM PERSONAS P JOIN PERSONAS Q ON P.ID = Q.ID" << int(adLockOptimistic);
    }
    void noActualizable()
    {
        QFETCH(QString, fuente);
        QFETCH(int, bloqueo);
        Recordset rs;
        rs.Open(fuente, &b.conexion(), adOpenKeyset, bloqueo);
        QCOMPARE(ErrorDe([&] { rs.AddNew(); }).numero(), NumeroError::NoActualizable);
        QCOMPARE(ErrorDe([&] { rs.Fields()[1].setValue(QStringLiteral("x")); }).numero(), NumeroError::NoActualizable);
        QCOMPARE(almacenado(QStringLiteral("SELECT COUNT(*) FROM PERSONAS")), QStringLiteral("3"));
    }

    void openFallidoQuedaCerrado()
    {
        Recordset rs;
        QCOMPARE(ErrorDe([&] { rs.Open(QStringLiteral("SELECT * FROM NADA"), &b.conexion()); }).numero(),
                 NumeroError::NoExisteTabla);
        QCOMPARE(rs.State(), int(adStateClosed));
        QCOMPARE(b.conexion().Errors().Count(), 1);
        QCOMPARE(ErrorDe([&] { rs.Open(QStringLiteral("SELECT 1"), ConexionActiva{}); }).numero(), int32_t(0x800A0E7D));
        rs.Open(QStringLiteral("SELECT 1 AS UNO"), &b.conexion());
        QCOMPARE(ErrorDe([&] { rs.Open(QStringLiteral("SELECT 1"), &b.conexion()); }).numero(),
                 NumeroError::ObjetoAbierto);
    }
};

AGENDA_PRUEBA_SIN_VENTANAS(TstRecordset)
#include "tst_recordset.moc"
