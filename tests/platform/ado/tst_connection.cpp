#include "platform/ado/CadenaConexion.h"
#include "platform/ado/Recordset.h"
#include "platform/ado/TipoFallo.h"
#include "support/BaseDePrueba.h"
#include "support/VerificaAdo.h"

#include <QFile>
#include <QSqlError>

using namespace ado;

Q_DECLARE_METATYPE(QVariantList)

class TstConnection : public QObject {
    Q_OBJECT

private:
    // The rows of a rowset as "a|b|c" strings.
    static QStringList filas(Recordset& rs, const QList<int>& columnas)
    {
        QStringList salida;
        while (!rs.Eof()) {
            QStringList valores;
            for (int c : columnas)
                valores.append(rs.Fields()[c].Value().toString());
            salida.append(valores.join(u'|'));
            rs.MoveNext();
        }
        return salida;
    }

    static int cuenta(Connection& c, const QString& tabla)
    {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT COUNT(*) AS N FROM ") + tabla, &c);
        return rs.Fields()[0].Value().toInt();
    }

private slots:
    void cadenaConexion_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("proveedor");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("anfitrion");
        QTest::addColumn<int>("puerto"); // 0: not a port
        QTest::newRow("forma de la suite con blanco antes del igual")
            << "PROVIDER=SQLOLEDB;Server=srv;Database =agenda;UId=ana;Pwd=x=y;"
            << "SQLOLEDB"
            << "agenda"
            << "ana"
            << "x=y"
            << "srv" << 5432;
        QTest::newRow("forma de oracle usa data source")
            << "Provider=OraOLEDB.Oracle.1;Data Source=ORCL;User Id=u;Password=p;"
            << "OraOLEDB.Oracle.1"
            << "ORCL"
            << "u"
            << "p"
            << "localhost" << 5432;
        QTest::newRow("la clave posterior reemplaza a la anterior") << "Provider=A; provider = SQLite ;Database=a.db"
                                                                    << "SQLite"
                                                                    << "a.db"
                                                                    << ""
                                                                    << ""
                                                                    << "localhost" << 5432;
        QTest::newRow("initial catalog como último recurso") << "Provider=X;Initial Catalog=cat"
                                                             << "X"
                                                             << "cat"
                                                             << ""
                                                             << ""
                                                             << "localhost" << 5432;
        QTest::newRow("vacía") << ""
                               << ""
                               << ""
                               << ""
                               << ""
                               << "localhost" << 5432;
        QTest::newRow("puerto tras dos puntos") << "Server=db.local:5433;User=u;Pwd="
                                                << ""
                                                << ""
                                                << "u"
                                                << ""
                                                << "db.local" << 5433;
        QTest::newRow("puerto tras coma y uid vacío antes que user") << "Server= srv , 1433 ;UId=;User=u"
                                                                     << ""
                                                                     << ""
                                                                     << ""
                                                                     << ""
                                                                     << "srv" << 1433;
        QTest::newRow("host cuando server está vacío") << "Server=;Host=h:70000"
                                                       << ""
                                                       << ""
                                                       << ""
                                                       << ""
                                                       << "h" << 0;
        QTest::newRow("separador sin puerto") << "Server=h:"
                                              << ""
                                              << ""
                                              << ""
                                              << ""
                                              << "h" << 0;
        QTest::newRow("servidor local con punto") << "Server=.,5434"
                                                  << ""
                                                  << ""
                                                  << ""
                                                  << ""
                                                  << "localhost" << 5434;
        QTest::newRow("servidor local entre paréntesis") << "Server=(LOCAL)"
                                                         << ""
                                                         << ""
                                                         << ""
                                                         << ""
                                                         << "localhost" << 5432;
    }
    void cadenaConexion()
    {
        QFETCH(QString, texto);
        const CadenaConexion cadena(texto);
        QTEST(cadena.proveedor(), "proveedor");
        QTEST(cadena.baseDeDatos(), "base");
        QTEST(cadena.usuario(), "usuario");
        QTEST(cadena.clave(), "clave");
        QTEST(cadena.servidor().anfitrionLocal(), "anfitrion");
        QTEST(cadena.servidor().numeroPuerto(5432), "puerto");
    }

    void proveedorDesconocido_data()
    {
        QTest::addColumn<QString>("cadena");
        QTest::addColumn<QString>("nombrado");
        QTest::newRow("proveedor de la suite no ofrecido")
            << "PROVIDER=Microsoft.Jet.OLEDB.4.0;Database =d;UId=u;Pwd=p;"
            << "\"Microsoft.Jet.OLEDB.4.0\"";
        QTest::newRow("proveedor de oracle") << "Provider=OraOLEDB.Oracle.1;Data Source=d;"
                                             << "\"OraOLEDB.Oracle.1\"";
        QTest::newRow("ningún proveedor") << "Database=x.db"
                                          << "proveedor";
    }
    void proveedorDesconocido()
    {
        QFETCH(QString, cadena);
        QFETCH(QString, nombrado);
        Connection c;
        const ErrorVB e = ErrorDe([&] { c.Open(cadena); });
        QCOMPARE(e.numero(), NumeroError::ProveedorNoEncontrado);
        QVERIFY2(e.descripcion().contains(nombrado), qPrintable(e.descripcion()));
        QVERIFY(!e.descripcion().contains(QLatin1String("Pwd")));
        QCOMPARE(c.State(), int(adStateClosed));
        QCOMPARE(c.Errors().Count(), 1);
        QCOMPARE(c.Errors().Item(0).Number, NumeroError::ProveedorNoEncontrado);
        QCOMPARE(c.ConnectionString(), cadena);
        QCOMPARE(ErrorDe([&] { (void)c.Errors().Item(1); }).numero(), ErroresVB::ElementoNoEncontrado);
    }

    // Opening must never make a database out of a mistyped path.
    void archivoInexistente()
    {
        QTemporaryDir carpeta;
        const QString archivo = carpeta.filePath(QStringLiteral("falta.db"));
        Connection c;
        const ErrorVB e = ErrorDe([&] { c.Open(QStringLiteral("Provider=SQLite;Database=") + archivo); });
        QCOMPARE(e.numero(), NumeroError::ArchivoNoEncontrado);
        QVERIFY2(e.descripcion().contains(archivo), qPrintable(e.descripcion()));
        QCOMPARE(c.Errors().Count(), 1);
        QVERIFY(!QFile::exists(archivo));

        c.Open(QStringLiteral("provider=sqlite;Data Source=%1;crear=si").arg(archivo));
        QCOMPARE(c.State(), int(adStateOpen));
        QCOMPARE(c.Errors().Count(), 0);
        QVERIFY(QFile::exists(archivo));
        QCOMPARE(c.DefaultDatabase(), archivo);
    }

    void openSinArgumentoUsaConnectionString()
    {
        BaseDePrueba b{BaseDePrueba::Vacia{}};
        b.conexion().setConnectionString(b.cadenaConexion());
        b.conexion().Open();
        QCOMPARE(b.conexion().State(), int(adStateOpen));
        QCOMPARE(b.conexion().ConnectionString(), b.cadenaConexion());
        b.conexion().Close();
        QCOMPARE(b.conexion().State(), int(adStateClosed));
    }

    void cerradaOAbierta()
    {
        BaseDePrueba b{BaseDePrueba::Vacia{}};
        Connection& c = b.conexion();
        QCOMPARE(ErrorDe([&] { c.Execute(QStringLiteral("SELECT 1")); }).numero(), NumeroError::ObjetoCerrado);
        QCOMPARE(ErrorDe([&] { c.BeginTrans(); }).numero(), NumeroError::ObjetoCerrado);
        QCOMPARE(ErrorDe([&] { c.Close(); }).numero(), NumeroError::ObjetoCerrado);
        QCOMPARE(ErrorDe([&] { (void)c.OpenSchema(adSchemaTables); }).numero(), NumeroError::ObjetoCerrado);
        VERIFICA_ADO(b.prepara());
        QCOMPARE(ErrorDe([&] { c.Open(b.cadenaConexion()); }).numero(), NumeroError::ObjetoAbierto);
    }

    void erroresNumerados_data()
    {
        QTest::addColumn<QString>("sentencia");
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("estado");
        QTest::addColumn<QString>("descripcion");
        QTest::addColumn<int>("nativo");
        const int comando = NumeroError::ErroresEnComando;
        QTest::newRow("palabra clave mal escrita") << "SELEC * FROM T" << comando << "42000"
                                                   << "Error en la sentencia SQL" << 1;
        QTest::newRow("columna desconocida") << "SELECT NADA FROM T" << comando << "42000"
                                             << "(no such column: NADA)" << 1;
        QTest::newRow("sentencia sin terminar") << "SELECT * FROM T WHERE (" << comando << "42000"
                                                << "" << 1;
        QTest::newRow("número de argumentos erróneo") << "SELECT substr() FROM T" << comando << "42000"
                                                      << "" << 1;
        QTest::newRow("tabla desconocida") << "SELECT * FROM NoExiste" << int(NumeroError::NoExisteTabla) << "42S02"
                                           << "No existe la tabla o vista (no such table: NoExiste)" << 1;
        QTest::newRow("clave duplicada") << "INSERT INTO T (ID, NOMBRE) VALUES (1, 'otra')"
                                         << int(NumeroError::ViolacionIntegridad) << "23000"
                                         << "UNIQUE" << 1555;
        QTest::newRow("nulo en columna no nula")
            << "INSERT INTO T (ID, NOMBRE) VALUES (2, NULL)" << int(NumeroError::ViolacionIntegridad) << "23000"
            << "NOT NULL" << 1299;
        QTest::newRow("tabla ya existente") << "CREATE TABLE T (X INT)" << int(NumeroError::Fallo) << "HY000"
                                            << "already exists" << 1;
    }
    void erroresNumerados()
    {
        QFETCH(QString, sentencia);
        QFETCH(int, numero);
        QFETCH(QString, descripcion);
        BaseDePrueba b{BaseDePrueba::Vacia{}};
        VERIFICA_ADO(b.prepara({QStringLiteral("CREATE TABLE T (ID INTEGER PRIMARY KEY, NOMBRE VARCHAR(20) NOT NULL)"),
                                QStringLiteral("INSERT INTO T VALUES (1, 'uno')")}));
        const ErrorVB e = ErrorDe([&] { b.conexion().Execute(sentencia); });
        QCOMPARE(e.numero(), numero);
        QVERIFY2(e.descripcion().contains(descripcion), qPrintable(e.descripcion()));
        QCOMPARE(b.conexion().Errors().Count(), 1);
        const Error& error = b.conexion().Errors().Item(0);
        QCOMPARE(error.Number, numero);
        QCOMPARE(error.Description, e.descripcion());
        QTEST(error.SQLState, "estado");
        QTEST(int(error.NativeError), "nativo");
        b.conexion().Execute(QStringLiteral("SELECT 1"));
        QCOMPARE(b.conexion().Errors().Count(), 0);
    }

    void registrosAfectados_data()
    {
        QTest::addColumn<QString>("sentencia");
        QTest::addColumn<int>("registros");
        QTest::newRow("update de todas las filas") << "UPDATE T SET NOMBRE = 'x'" << 3;
        QTest::newRow("delete de ninguna") << "DELETE FROM T WHERE ID = 99" << 0;
        QTest::newRow("insert de una") << "INSERT INTO T (NOMBRE) VALUES ('cuatro')" << 1;
        QTest::newRow("consulta") << "SELECT * FROM T" << -1;
        QTest::newRow("definición tras cambios") << "CREATE TABLE U (A INT)" << -1;
    }
    void registrosAfectados()
    {
        BaseDePrueba b{BaseDePrueba::Vacia{}};
        VERIFICA_ADO(b.prepara({QStringLiteral("CREATE TABLE T (ID INTEGER PRIMARY KEY, NOMBRE TEXT)"),
                                QStringLiteral("INSERT INTO T (NOMBRE) VALUES ('a'), ('b'), ('c')")}));
        QFETCH(QString, sentencia);
        int32_t registros = 1234;
        b.conexion().Execute(sentencia, &registros);
        QTEST(int(registros), "registros");
    }

    void transacciones_data()
    {
        QTest::addColumn<bool>("confirma");
        QTest::addColumn<int>("filas");
        QTest::newRow("confirmar conserva la fila") << true << 1;
        QTest::newRow("deshacer quita la fila") << false << 0;
    }
    void transacciones()
    {
        QFETCH(bool, confirma);
        BaseDePrueba b{BaseDePrueba::Vacia{}};
        VERIFICA_ADO(b.prepara({QStringLiteral("CREATE TABLE T (A INT)")}));
        QCOMPARE(b.conexion().BeginTrans(), 1);
        b.conexion().Execute(QStringLiteral("INSERT INTO T VALUES (1)"));
        if (confirma)
            b.conexion().CommitTrans();
        else
            b.conexion().RollbackTrans();
        Connection otra;
        otra.Open(b.cadenaConexion());
        QTEST(cuenta(otra, QStringLiteral("T")), "filas");
    }

    void transaccionAnidadaFalla()
    {
        BaseDePrueba b{BaseDePrueba::Vacia{}};
        VERIFICA_ADO(b.prepara());
        b.conexion().BeginTrans();
        QCOMPARE(ErrorDe([&] { b.conexion().BeginTrans(); }).numero(), NumeroError::Fallo);
        QCOMPARE(b.conexion().Errors().Count(), 1);
        b.conexion().RollbackTrans();
        QCOMPARE(ErrorDe([&] { b.conexion().CommitTrans(); }).numero(), NumeroError::Fallo);
    }

    void esquemaTablas_data()
    {
        QTest::addColumn<QVariantList>("restricciones");
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("sin restricción: tablas, luego vistas, sin las tablas propias")
            << QVariantList{} << QStringList{"CITAS|TABLE", "NOTAS|TABLE", "V_CITAS|VIEW"};
        QTest::newRow("nombre de tabla en otra caja") << QVariantList{{}, {}, "citas"} << QStringList{"CITAS|TABLE"};
        QTest::newRow("solo vistas") << QVariantList{{}, {}, {}, "view"} << QStringList{"V_CITAS|VIEW"};
        QTest::newRow("esquema dbo") << QVariantList{{}, "DBO", "notas"} << QStringList{"NOTAS|TABLE"};
        QTest::newRow("otro esquema") << QVariantList{{}, "sys"} << QStringList{};
        QTest::newRow("nombre del archivo como catálogo")
            << QVariantList{"PRUEBA", {}, "notas"} << QStringList{"NOTAS|TABLE"};
        QTest::newRow("catálogo vacío es cualquiera") << QVariantList{"", {}, "notas"} << QStringList{"NOTAS|TABLE"};
        QTest::newRow("otro catálogo") << QVariantList{"otra", {}, "notas"} << QStringList{};
    }
    void esquemaTablas()
    {
        QFETCH(QVariantList, restricciones);
        BaseDePrueba b{BaseDePrueba::Vacia{}};
        VERIFICA_ADO(b.prepara(
            {QStringLiteral("CREATE TABLE NOTAS (ID INT)"), QStringLiteral("CREATE TABLE CITAS (FECHA DATETIME)"),
             QStringLiteral("CREATE VIEW V_CITAS AS SELECT FECHA FROM CITAS"),
             QStringLiteral("CREATE TABLE KQ_PROCEDIMIENTOS (NOMBRE TEXT PRIMARY KEY, PARAMETROS TEXT "
                            "NOT NULL DEFAULT '', CUERPO TEXT NOT NULL)")}));
        auto rs = b.conexion().OpenSchema(adSchemaTables, restricciones);
        QCOMPARE(rs->Fields().Count(), 4);
        QTEST(filas(*rs, {2, 3}), "esperado");
        if (rs->RecordCount() > 0) {
            rs->MoveFirst();
            QCOMPARE(rs->Fields()[QStringLiteral("table_catalog")].Value().toString(), b.conexion().DefaultDatabase());
            QCOMPARE(rs->Fields()[QStringLiteral("TABLE_SCHEMA")].Value().toString(), QStringLiteral("dbo"));
        }
    }

    void esquemaColumnas()
    {
        BaseDePrueba b{BaseDePrueba::Vacia{}};
        VERIFICA_ADO(
            b.prepara({QStringLiteral("CREATE TABLE CITAS (ID INTEGER NOT NULL, NOMBRE NVARCHAR(40), FECHA DATETIME, "
                                      "NOTA TEXT, IMPORTE MONEY)"),
                       QStringLiteral("CREATE TABLE OTRA (NOMBRE CHAR(3))")}));
        // ADO order: catalog, schema, table, column.
        auto rs
            = b.conexion().OpenSchema(adSchemaColumns, {b.conexion().DefaultDatabase(), {}, QStringLiteral("citas")});
        QCOMPARE(filas(*rs, {2, 3, 4, 5, 6, 7}),
                 (QStringList{"CITAS|ID|1|3||false", "CITAS|NOMBRE|2|202|40|true", "CITAS|FECHA|3|135||true",
                              "CITAS|NOTA|4|203|1073741823|true", "CITAS|IMPORTE|5|6||true"}));
        auto una = b.conexion().OpenSchema(adSchemaColumns, {{}, {}, {}, QStringLiteral("nombre")});
        QCOMPARE(filas(*una, {2, 5}), (QStringList{"CITAS|202", "OTRA|129"}));
    }

    void tablaCreadaDespuesApareceEnElEsquema()
    {
        BaseDePrueba b{BaseDePrueba::Vacia{}};
        VERIFICA_ADO(b.prepara());
        QCOMPARE(b.conexion().OpenSchema(adSchemaTables)->RecordCount(), 0);
        Connection otra;
        otra.Open(b.cadenaConexion());
        otra.Execute(QStringLiteral("CREATE TABLE NUEVA (A INT)"));
        QCOMPARE(b.conexion().OpenSchema(adSchemaTables)->RecordCount(), 1);
    }
};

AGENDA_PRUEBA_SIN_VENTANAS(TstConnection)
#include "tst_connection.moc"
