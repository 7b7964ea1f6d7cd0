#include "data/DB_Dll.h"
#include "support/BaseDePrueba.h"

#include <QTest>

// Highest and lowest values read on a real database, on every backend.
class TstAgregados : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data();
    void init();
    void valores_data();
    void valores();
    void erroresLleganAlLlamador_data();
    void erroresLleganAlLlamador();
    void consultaLaTablaYNoSuSinonimo();

private:
    std::unique_ptr<BaseDePrueba> base_;
    std::unique_ptr<DB_Dll> db_;
};

void TstAgregados::initTestCase_data()
{
    AgregaMotores();
}

void TstAgregados::init()
{
    REQUIERE_MOTOR();
    base_ = std::make_unique<BaseDePrueba>(false, QDate(2025, 3, 5), MotorActual());
    db_ = std::make_unique<DB_Dll>();
    db_->gCnn().Open(base_->cadenaConexion());
    db_->gCnn().Execute("INSERT INTO MV_PROCESOSBUSQUEDA (ID, Puesto) VALUES (10, 'a'), (20, 'b'), (30, 'c')");
    db_->gCnn().Execute("INSERT INTO MA_CUENTAS (CODIGO) VALUES ('1.1.01'), ('2.3.04')");
    db_->gCnn().Execute("INSERT INTO MV_ASIENTOS (ID, IMPORTE) VALUES (1, 12.5), (2, -0.25)");
    db_->gCnn().Execute("INSERT INTO MV_AGENDA (ID, FECHA) VALUES (1, '05/03/2025 09:30'), (2, '17/03/2025 18:00')");
}

// "funcion": max, min or ultimo; "condicion" null means the argument is missing.
void TstAgregados::valores_data()
{
    QTest::addColumn<QString>("funcion");
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QVariant>("condicion");
    QTest::addColumn<QVariant>("esperado");
    QTest::newRow("máximo") << "max"
                            << "MV_PROCESOSBUSQUEDA"
                            << "ID" << QVariant() << QVariant(30.0);
    QTest::newRow("mínimo") << "min"
                            << "MV_PROCESOSBUSQUEDA"
                            << "ID" << QVariant() << QVariant(10.0);
    QTest::newRow("condición recortada") << "max"
                                         << "MV_PROCESOSBUSQUEDA"
                                         << "ID" << QVariant("  ID < 30  ") << QVariant(20.0);
    QTest::newRow("tabla vacía da 0, no vacío") << "max"
                                                << "MA_CANDIDATOS"
                                                << "ID" << QVariant() << QVariant(0.0);
    QTest::newRow("mínimo sin filas que cumplan da 0") << "min"
                                                       << "MV_PROCESOSBUSQUEDA"
                                                       << "ID" << QVariant("ID > 99") << QVariant(0.0);
    QTest::newRow("código de texto: su número inicial") << "max"
                                                        << "MA_CUENTAS"
                                                        << "CODIGO" << QVariant() << QVariant(2.3);
    QTest::newRow("fecha máxima: su día, como en el texto de la fecha") << "max"
                                                                        << "MV_AGENDA"
                                                                        << "FECHA" << QVariant() << QVariant(17.0);
    QTest::newRow("fecha mínima") << "min"
                                  << "MV_AGENDA"
                                  << "FECHA" << QVariant() << QVariant(5.0);
    QTest::newRow("decimales") << "max"
                               << "MV_ASIENTOS"
                               << "IMPORTE" << QVariant() << QVariant(12.5);
    QTest::newRow("negativo decimal") << "min"
                                      << "MV_ASIENTOS"
                                      << "IMPORTE" << QVariant() << QVariant(-0.25);
    QTest::newRow("último código") << "ultimo"
                                   << "MV_PROCESOSBUSQUEDA"
                                   << "ID" << QVariant("") << QVariant(30.0);
    QTest::newRow("último código, condición en blanco sin WHERE") << "ultimo"
                                                                  << "MV_PROCESOSBUSQUEDA"
                                                                  << "ID" << QVariant("   ") << QVariant(30.0);
    QTest::newRow("último código con condición") << "ultimo"
                                                 << "MV_PROCESOSBUSQUEDA"
                                                 << "ID" << QVariant("ID < 20") << QVariant(10.0);
    QTest::newRow("respuesta sin filas queda vacía") << "ultimo"
                                                     << "MV_PROCESOSBUSQUEDA"
                                                     << "ID" << QVariant("ID > 99 GROUP BY ID") << QVariant();
}

void TstAgregados::valores()
{
    QFETCH(QString, funcion);
    QFETCH(QString, tabla);
    QFETCH(QString, campo);
    QFETCH(QVariant, condicion);
    QFETCH(QVariant, esperado);
    const std::optional<QVariant> opcional = condicion.isNull() ? std::nullopt : std::optional(condicion);
    const QVariant resultado = funcion == "max" ? db_->BuscaMaximo(tabla, campo, std::nullopt, opcional)
        : funcion == "min"                      ? db_->BuscaMinimo(tabla, campo, std::nullopt, opcional)
                                                : db_->BuscaUltimoCodigo(tabla, campo, 8, condicion.toString());
    QCOMPARE(resultado, esperado);
}

void TstAgregados::erroresLleganAlLlamador_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QVariant>("condicion");
    QTest::newRow("condición vacía pasada") << "MV_PROCESOSBUSQUEDA" << QVariant("");
    QTest::newRow("condición en blanco pasada") << "MV_PROCESOSBUSQUEDA" << QVariant("   ");
    QTest::newRow("tabla inexistente") << "NO_EXISTE" << QVariant();
}

void TstAgregados::erroresLleganAlLlamador()
{
    QFETCH(QString, tabla);
    QFETCH(QVariant, condicion);
    const std::optional<QVariant> opcional = condicion.isNull() ? std::nullopt : std::optional(condicion);
    QVERIFY_THROWS_EXCEPTION(ErrorVB, (void)db_->BuscaMaximo(tabla, "ID", std::nullopt, opcional));
}

// A user who is not an administrator reads MA_CUENTAS through SS_MA_CUENTAS elsewhere; the lookups
// must still read the base table.
void TstAgregados::consultaLaTablaYNoSuSinonimo()
{
    db_->gEsAdmin = false;
    db_->gCnn().Execute("DROP VIEW SS_MA_CUENTAS");
    db_->gCnn().Execute("CREATE TABLE SS_MA_CUENTAS (CODIGO VARCHAR(20))");
    db_->gCnn().Execute("INSERT INTO SS_MA_CUENTAS VALUES ('9.9')");
    QCOMPARE(db_->BuscaMaximo("MA_CUENTAS", "CODIGO"), QVariant(2.3));
    QCOMPARE(db_->BuscaUltimoCodigo("MA_CUENTAS", "CODIGO"), QVariant(2.3));
}

AGENDA_PRUEBA(TstAgregados)
#include "tst_agregados.moc"
