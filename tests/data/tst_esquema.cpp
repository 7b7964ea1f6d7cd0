#include "data/DB_Dll.h"
#include "support/BaseDePrueba.h"
#include "support/DialogosGuionados.h"

#include <QFileInfo>
#include <QTest>

// Schema questions and added columns on a real database, on every backend.
class TstEsquema : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data();
    void init();
    void cleanup();
    void existeTabla_data();
    void existeTabla();
    void existeCampo_data();
    void existeCampo();
    void oracleDaTodaColumnaPorExistente();
    void verCampo_data();
    void verCampo();
    void agregaALaTablaBaseConSuRestriccion();
    void erroresAlInformador_data();
    void erroresAlInformador();

private:
    [[nodiscard]] QVariant primerValor(const QString& sentencia);

    std::unique_ptr<BaseDePrueba> base_;
    std::unique_ptr<DB_Dll> db_;
};

void TstEsquema::initTestCase_data()
{
    AgregaMotores();
}

void TstEsquema::init()
{
    REQUIERE_MOTOR();
    base_ = std::make_unique<BaseDePrueba>(false, QDate(2025, 3, 5), MotorActual());
    db_ = std::make_unique<DB_Dll>();
    db_->gCnn().Open(base_->cadenaConexion());
    db_->gCnn().Execute("INSERT INTO MV_PROCESOSBUSQUEDA (ID, Puesto) VALUES (1, 'Analista')");
}

void TstEsquema::cleanup()
{
    DB_Dll::Compartido().gProveedor.clear();
}

QVariant TstEsquema::primerValor(const QString& sentencia)
{
    ado::Recordset rs;
    rs.Open(sentencia, &db_->gCnn());
    return rs.Fields().Item(0).Value();
}

void TstEsquema::existeTabla_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<bool>("existe");
    QTest::newRow("nombre exacto") << "MV_AGENDA" << true;
    QTest::newRow("minúsculas y blanco final") << "mv_agenda " << true;
    QTest::newRow("blancos delante") << "  TA_USUARIOS" << true;
    QTest::newRow("parte de otro nombre") << "MV_AGEND" << false;
    QTest::newRow("inexistente") << "NO_EXISTE" << false;
}

void TstEsquema::existeTabla()
{
    QFETCH(QString, tabla);
    QFETCH(bool, existe);
    QCOMPARE(db_->ExisteTablaDB(tabla), existe);
}

void TstEsquema::existeCampo_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("catalogo");
    QTest::addColumn<bool>("existe");
    QTest::newRow("nombre exacto") << "MV_AGENDA"
                                   << "Mensaje"
                                   << "" << true;
    QTest::newRow("otra caja y blancos") << "MV_AGENDA"
                                         << " MENSAJE "
                                         << "" << true;
    QTest::newRow("columna de otra tabla") << "MV_AGENDA"
                                           << "Puesto"
                                           << "" << false;
    QTest::newRow("tabla inexistente") << "NO_EXISTE"
                                       << "ID"
                                       << "" << false;
    QTest::newRow("en el catálogo de la base") << "MV_AGENDA"
                                               << "Mensaje"
                                               << "<base>" << true;
    QTest::newRow("en otro catálogo") << "MV_AGENDA"
                                      << "Mensaje"
                                      << "OTRA" << false;
}

void TstEsquema::existeCampo()
{
    QFETCH(QString, tabla);
    QFETCH(QString, campo);
    QFETCH(QString, catalogo);
    QFETCH(bool, existe);
    // The database's own catalogue: the file's name on the embedded database, its name on a server.
    if (catalogo == "<base>")
        catalogo = base_->motor() == Motor::SQLite ? QFileInfo(base_->ruta()).completeBaseName() : base_->ruta();
    db_->gDbName = catalogo;
    QCOMPARE(db_->ExisteCampoDB(tabla, campo), existe);
}

void TstEsquema::oracleDaTodaColumnaPorExistente()
{
    DB_Dll::Compartido().gProveedor = "OraOLEDB.Oracle.1";
    QVERIFY(db_->ExisteCampoDB("MV_AGENDA", "NO_EXISTE"));
    QVERIFY(db_->VerCampoDB("MV_AGENDA", "NUEVA", true, "INT", true));
    DB_Dll::Compartido().gProveedor = "SQLOLEDB";
    QVERIFY(!db_->ExisteCampoDB("MV_AGENDA", "NUEVA"));
}

// "defecto" null means the default is missing; "leido" is what the existing row holds afterwards
// in that column (null when the column is absent or holds no value).
void TstEsquema::verCampo_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<bool>("agregar");
    QTest::addColumn<bool>("nulos");
    QTest::addColumn<QVariant>("defecto");
    QTest::addColumn<bool>("existeDespues");
    QTest::addColumn<QVariant>("leido");
    QTest::newRow("columna nueva con valor por defecto")
        << "MV_PROCESOSBUSQUEDA"
        << "Nivel" << true << true << QVariant(7) << true << QVariant(7);
    QTest::newRow("no nula con valor por defecto") << "MV_PROCESOSBUSQUEDA"
                                                   << "Nivel" << true << false << QVariant(0) << true << QVariant(0);
    QTest::newRow("columna nueva sin valor por defecto") << "MV_PROCESOSBUSQUEDA"
                                                         << "Nivel" << true << true << QVariant() << true << QVariant();
    QTest::newRow("columna existente intacta")
        << "MV_PROCESOSBUSQUEDA"
        << "Puesto" << true << true << QVariant(0) << true << QVariant("Analista");
    QTest::newRow("sin permiso para agregar") << "MV_PROCESOSBUSQUEDA"
                                              << "Nivel" << false << true << QVariant(0) << false << QVariant();
    QTest::newRow("tabla inexistente") << "NO_EXISTE"
                                       << "Nivel" << true << true << QVariant(0) << false << QVariant();
    QTest::newRow("no nula sin defecto: la base la rechaza")
        << "MV_PROCESOSBUSQUEDA"
        << "Nivel" << true << false << QVariant() << false << QVariant();
}

void TstEsquema::verCampo()
{
    QFETCH(QString, tabla);
    QFETCH(QString, campo);
    QFETCH(bool, agregar);
    QFETCH(bool, nulos);
    QFETCH(QVariant, defecto);
    QFETCH(bool, existeDespues);
    QFETCH(QVariant, leido);
    DialogosDePrueba dialogos;
    const std::optional<QVariant> opcional = defecto.isNull() ? std::nullopt : std::optional(defecto);
    QVERIFY(db_->VerCampoDB(tabla, campo, agregar, "INT", nulos, opcional));
    QCOMPARE(db_->ExisteCampoDB(tabla, campo), existeDespues);
    if (existeDespues)
        QCOMPARE(primerValor("SELECT " + campo + " FROM " + tabla), leido);
    QCOMPARE(dialogos->registros().size(), 0);
}

// For a user who is not an administrator the statement still names the base table, never its
// synonym view, and the named default goes into the table's definition.
void TstEsquema::agregaALaTablaBaseConSuRestriccion()
{
    DialogosDePrueba dialogos;
    db_->gEsAdmin = false;
    db_->AddField("MA_CUENTAS", "Nivel", "INT", true, QVariant(0));
    QVERIFY(db_->ExisteCampoDB("MA_CUENTAS", "Nivel"));
    if (base_->motor() == Motor::SQLite)
        QVERIFY(primerValor("SELECT sql FROM sqlite_master WHERE name = 'MA_CUENTAS'")
                    .toString()
                    .contains("CONSTRAINT DF_MA_CUENTAS_Nivel DEFAULT (0)"));
    else
        QCOMPARE(primerValor("SELECT column_default FROM information_schema.columns WHERE table_name = 'ma_cuentas' "
                             "AND column_name = 'nivel'")
                     .toString(),
                 "0");
    QCOMPARE(dialogos->registros().size(), 0);
}

// A closed connection makes the schema rowset fail: the error is reported under "VerificaCampos",
// 4 asks again, 5 goes on to the walk (which finds no rowset and reports once more).
void TstEsquema::erroresAlInformador_data()
{
    QTest::addColumn<bool>("deCampo");
    QTest::addColumn<QList<int>>("respuestas");
    QTest::addColumn<int>("informes");
    QTest::newRow("tabla: salir") << false << QList<int>{0} << 1;
    QTest::newRow("tabla: repetir y salir") << false << QList<int>{4, 0} << 2;
    QTest::newRow("tabla: seguir") << false << QList<int>{5, 0} << 2;
    QTest::newRow("columna: repetir y salir") << true << QList<int>{4, 0} << 2;
}

void TstEsquema::erroresAlInformador()
{
    QFETCH(bool, deCampo);
    QFETCH(QList<int>, respuestas);
    QFETCH(int, informes);
    DialogosDePrueba dialogos;
    for (int respuesta : respuestas)
        dialogos->responde(respuesta);
    db_->gCnn().Close();
    QVERIFY(!(deCampo ? db_->ExisteCampoDB("MV_AGENDA", "Mensaje") : db_->ExisteTablaDB("MV_AGENDA")));
    QCOMPARE(dialogos->registros().size(), informes);
    for (const auto& registro : dialogos->registros())
        QCOMPARE(registro.contexto, "VerificaCampos");
}

AGENDA_PRUEBA(TstEsquema)
#include "tst_esquema.moc"
