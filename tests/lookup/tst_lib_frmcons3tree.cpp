#include "data/DB_Dll.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "platform/ui/TreeView.h"
#include "support/BaseDePrueba.h"
#include "support/DialogosGuionados.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The tree dialog on real widgets and the demo database: the shape built from code lengths, the
// searches, the checks reaching three levels down, and what accept returns through each table.
class TstLibFrmCons3Tree : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void forma_data();
    void forma();
    void busquedaIncremental_data();
    void busquedaIncremental();
    void busquedaEnServidor_data();
    void busquedaEnServidor();
    void marcasBajanTresNiveles();
    void aceptaUnValor_data();
    void aceptaUnValor();
    void aceptaMarcados();

private:
    // A loaded dialog on the statement.
    static std::unique_ptr<Lib_FrmCons3Tree> abre(const QString& sql, const QString& campo = {}, bool marcas = false);
    // The tree as text: "Consulta...(1(11,12),2)" with each node's code (the root by its text).
    static QString forma(const QTreeWidgetItem* nodo);

    std::unique_ptr<BaseDePrueba> base_;
};

void TstLibFrmCons3Tree::initTestCase()
{
    base_ = std::make_unique<BaseDePrueba>(true);
    DB_Dll& db = DB_Dll::Compartido();
    db.setGCnn(nullptr);
    db.gEsAdmin = true;
    db.gCnn().Open(base_->cadenaConexion());
    db.gCnn().Execute("CREATE TABLE ARBOL (ORDEN INTEGER, CODIGO VARCHAR(10), DESCRIPCION VARCHAR(40))");
}

void TstLibFrmCons3Tree::cleanupTestCase()
{
    DB_Dll::Compartido().setGCnn(nullptr);
    base_.reset();
}

std::unique_ptr<Lib_FrmCons3Tree> TstLibFrmCons3Tree::abre(const QString& sql, const QString& campo, bool marcas)
{
    auto dialogo = std::make_unique<Lib_FrmCons3Tree>();
    dialogo->SQL = sql;
    dialogo->CampoDevuelto = campo;
    dialogo->CheckBoxes = marcas;
    dialogo->show();
    return dialogo;
}

QString TstLibFrmCons3Tree::forma(const QTreeWidgetItem* nodo)
{
    QString texto = nodo->parent() ? TreeView::Clave(nodo).mid(1) : nodo->text(0);
    QStringList hijos;
    for (int i = 0; i < nodo->childCount(); ++i)
        hijos << forma(nodo->child(i));
    return hijos.isEmpty() ? texto : texto + '(' + hijos.join(',') + ')';
}

void TstLibFrmCons3Tree::forma_data()
{
    QTest::addColumn<QStringList>("codigos");
    QTest::addColumn<int>("respuesta");
    QTest::addColumn<QString>("esperada");
    QTest::newRow("hijos por el largo del código")
        << QStringList{"1", "11", "12", "2", "21"} << 0 << "Consulta...(1(11,12),2(21))";
    QTest::newRow("un largo salteado sigue siendo hijo")
        << QStringList{"1", "111", "2"} << 0 << "Consulta...(1(111),2)";
    QTest::newRow("vuelve varios niveles de una vez")
        << QStringList{"1", "11", "111", "1111", "2"} << 0 << "Consulta...(1(11(111(1111))),2)";
    QTest::newRow("sin filas solo la raíz") << QStringList{} << 0 << "Consulta...";
    QTest::newRow("código repetido: seguir") << QStringList{"1", "1", "2"} << 5 << "Consulta...(1,2)";
    QTest::newRow("código repetido: salir") << QStringList{"1", "1", "2"} << 0 << "Consulta...(1)";
}

void TstLibFrmCons3Tree::forma()
{
    QFETCH(QStringList, codigos);
    QFETCH(int, respuesta);
    QFETCH(QString, esperada);
    DB_Dll::Compartido().gCnn().Execute("DELETE FROM ARBOL");
    for (int i = 0; i < codigos.size(); ++i)
        DB_Dll::Compartido().gCnn().Execute(
            QString("INSERT INTO ARBOL VALUES (%1, '%2', 'Nodo %2')").arg(i).arg(codigos[i]));
    DialogosDePrueba dialogos;
    dialogos->responde(respuesta);

    const auto dialogo = abre("SELECT CODIGO, DESCRIPCION FROM ARBOL ORDER BY ORDEN");
    QCOMPARE(forma(dialogo->TreeV->Nodo(0)), esperada);
    QVERIFY(dialogo->TreeV->Nodo(0)->isExpanded());
    QCOMPARE(dialogos->registros().size(), codigos.removeDuplicates());
    if (!dialogos->registros().isEmpty())
        QCOMPARE(dialogos->registros().first().contexto, "ArmarTreeVAutomatico");
    if (dialogo->TreeV->Cuenta() > 1)
        QCOMPARE(dialogo->TreeV->Nodo(1)->text(0), "1 - Nodo 1");
}

void TstLibFrmCons3Tree::busquedaIncremental_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("elegido");
    QTest::newRow("comienzo de una descripción") << "venta"
                                                 << "A201";
    QTest::newRow("comienzo de un código") << "2010"
                                           << "A20101";
    QTest::newRow("el primero en orden, por código o descripción") << "3"
                                                                   << "A3";
    QTest::newRow("comienzo de la raíz") << "cons"
                                         << "A";
    QTest::newRow("texto vacío: la raíz") << ""
                                          << "A";
    QTest::newRow("nada coincide: no cambia") << "zzz"
                                              << "A30302";
}

void TstLibFrmCons3Tree::busquedaIncremental()
{
    QFETCH(QString, texto);
    QFETCH(QString, elegido);
    const auto dialogo = abre("SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO ORDER BY CODIGO");
    dialogo->CmbSearch->setEditText("x");
    dialogo->TreeV->setSelectedItem(dialogo->TreeV->NodoPorClave("A30302"));
    dialogo->CmbSearch->setEditText(texto);
    QCOMPARE(TreeView::Clave(dialogo->TreeV->SelectedItem()), elegido);
}

void TstLibFrmCons3Tree::busquedaEnServidor_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperada");
    // Without parentheses around the filter, the new condition would narrow only its last alternative.
    const QString conOr
        = "SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO WHERE CODIGO < '201' OR CODIGO LIKE '20%' ORDER BY CODIGO";
    const QString pocos
        = "SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO WHERE CODIGO IN ('1', '101', '102', '2') ORDER BY CODIGO";
    QTest::newRow("descripción que contiene el texto") << conOr << "ventas"
                                                       << "Consulta...(201(20101,20102,20103))";
    QTest::newRow("comilla dentro del texto") << conOr << "d'a"
                                              << "Consulta...";
    QTest::newRow("caja vacía no agrega condición") << pocos << ""
                                                    << "Consulta...(1(101,102),2)";
    // The row added while the dialog was open shows, though its description is NULL.
    QTest::newRow("caja vacía ve la fila nueva")
        << "SELECT CODIGO, DESCRIPCION FROM ARBOL WHERE ORDEN = 99 ORDER BY CODIGO"
        << ""
        << "Consulta...(5)";
    // Hostile text is searched for, never run.
    QTest::newRow("segunda sentencia") << conOr << "x'; DROP TABLE TA_CCOSTO; --"
                                       << "Consulta...";
    QTest::newRow("condición siempre cierta") << conOr << "' OR '1'='1"
                                              << "Consulta...";
    QTest::newRow("comentarios") << conOr << "/* a */ -- b"
                                 << "Consulta...";
    QTest::newRow("barra invertida") << conOr << "\\'\\"
                                     << "Consulta...";
    QTest::newRow("emoji y control") << conOr << "ventas 🙂\x01"
                                     << "Consulta...";
    QTest::newRow("muy largo") << conOr << QString(5000, u'v') << "Consulta...";
}

void TstLibFrmCons3Tree::busquedaEnServidor()
{
    QFETCH(QString, sql);
    QFETCH(QString, texto);
    QFETCH(QString, esperada);
    DialogosDePrueba dialogos;
    const auto dialogo = abre(sql);
    dialogo->CmbSearch->setEditText(texto);
    ado::Connection& conexion = DB_Dll::Compartido().gCnn();
    conexion.Execute("INSERT INTO ARBOL (ORDEN, CODIGO) VALUES (99, '5')");
    QTest::keyClick(dialogo->CmbSearch->lineEdit(), Qt::Key_F5);
    conexion.Execute("DELETE FROM ARBOL WHERE ORDEN = 99");

    QCOMPARE(forma(dialogo->TreeV->Nodo(0)), esperada);
    QVERIFY(dialogo->CmbSearch->currentText().isEmpty());
    QVERIFY(dialogos->registros().isEmpty());
}

void TstLibFrmCons3Tree::marcasBajanTresNiveles()
{
    // Positions: warehouse, aisle, shelf and, under the first shelves, levels four below the root.
    const auto dialogo
        = abre("SELECT IDPOSICION, DESCRIPCION FROM MA_POSICIONES ORDER BY IDPOSICION", "IDPOSICION", true);
    TreeView* arbol = dialogo->TreeV;
    const auto marcados = [&] {
        QStringList claves;
        for (int i = 0; i < arbol->Cuenta(); ++i)
            if (TreeView::Marcado(arbol->Nodo(i)))
                claves << TreeView::Clave(arbol->Nodo(i));
        return claves;
    };
    const auto conmuta = [&](const QString& clave) {
        arbol->setFocus();
        arbol->setCurrentItem(arbol->NodoPorClave(clave));
        QTest::keyClick(arbol, Qt::Key_Space);
    };

    conmuta("A1010101");
    conmuta("A");
    const QStringList todos = marcados();
    QCOMPARE(todos.size(), 1 + 3 + 15 + 60 + 1);
    QVERIFY(todos.contains("A30504") && !todos.contains("A1010102"));
    conmuta("A");
    QCOMPARE(marcados(), QStringList{"A1010101"});

    conmuta("A1");
    const QStringList deUno = marcados();
    QCOMPARE(deUno.size(), 1 + 5 + 20 + 12);
    QVERIFY(deUno.contains("A1010103") && !deUno.contains("A2"));
}

void TstLibFrmCons3Tree::aceptaUnValor_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("clave");
    QTest::addColumn<QVariant>("esperado");
    const QString familias = "SELECT IDFAMILIA, DESCRIPCION FROM V_TA_FAMILIAS ORDER BY IDFAMILIA";
    const QString posiciones = "SELECT IDPOSICION, DESCRIPCION FROM MA_POSICIONES ORDER BY IDPOSICION";
    const QString centros = "SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO ORDER BY CODIGO";
    QTest::newRow("familia") << familias << "IDFAMILIA"
                             << "A0201" << QVariant("0201");
    QTest::newRow("posición") << posiciones << "idposicion"
                              << "A10203" << QVariant("10203");
    QTest::newRow("centro de costo") << centros << "Codigo"
                                     << "A30101" << QVariant("30101");
    QTest::newRow("código que el centro de costo no tiene") << posiciones << "CODIGO"
                                                            << "A10504" << QVariant("");
    QTest::newRow("otro campo no devuelve nada") << centros << "DESCRIPCION"
                                                 << "A101" << QVariant();
}

void TstLibFrmCons3Tree::aceptaUnValor()
{
    QFETCH(QString, sql);
    QFETCH(QString, campo);
    QFETCH(QString, clave);
    QFETCH(QVariant, esperado);
    const auto dialogo = abre(sql, campo);
    dialogo->TreeV->setSelectedItem(dialogo->TreeV->NodoPorClave(clave));
    dialogo->CmdAceptar->click();
    QCOMPARE(dialogo->ValorDevuelto, esperado);
    QVERIFY(dialogo->isHidden());
    QCOMPARE(dialogo->result(), int(QDialog::Accepted));
}

void TstLibFrmCons3Tree::aceptaMarcados()
{
    const auto dialogo = abre("SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO ORDER BY CODIGO", "CODIGO", true);
    for (const char* clave : {"A102", "A10101", "A4"})
        dialogo->TreeV->setMarcado(dialogo->TreeV->NodoPorClave(clave), true);
    dialogo->CmdAceptar->click();
    QCOMPARE(*dialogo->Valores, (QVariantList{"10101", "102", "4"}));
}

AGENDA_PRUEBA(TstLibFrmCons3Tree)
#include "tst_lib_frmcons3tree.moc"
