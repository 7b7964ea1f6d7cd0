#include "ConsultaDePrueba.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/ui/ListView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The search boxes of the list lookup: the incremental search in the loaded rows, the search on the
// server with F5 and the new search.
class TstFrmCons3Busqueda : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void incremental_data();
    void incremental();
    void servidor_data();
    void servidor();
    void nuevaBusquedaVuelveAlPrincipio();
    void textoHostil_data();
    void textoHostil();

private:
    Lib_FrmCons3& abre(const QString& sql);
    static void escribe(QComboBox& caja, const QString& texto);
    std::unique_ptr<ConsultaDePrueba> prueba;
};

void TstFrmCons3Busqueda::init()
{
    prueba = std::make_unique<ConsultaDePrueba>();
    prueba->clientes({QStringLiteral("1|Ana Pérez|Madrid"), QStringLiteral("2|Bruno|Sevilla"),
                      QStringLiteral("3|Carla|NULL"), QStringLiteral("12|Dario|Bilbao"),
                      QStringLiteral("34|Elena|Cádiz"), QStringLiteral("40|O'Brien|Dublín")});
}

void TstFrmCons3Busqueda::cleanup()
{
    prueba.reset();
}

Lib_FrmCons3& TstFrmCons3Busqueda::abre(const QString& sql)
{
    Lib_FrmCons3& dialogo = prueba->nuevoDialogo();
    dialogo.SQL = sql;
    prueba->muestra();
    return dialogo;
}

void TstFrmCons3Busqueda::escribe(QComboBox& caja, const QString& texto)
{
    caja.setFocus();
    caja.lineEdit()->selectAll();
    QTest::keyClick(caja.lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(caja.lineEdit(), texto);
}

void TstFrmCons3Busqueda::incremental_data()
{
    QTest::addColumn<int>("caja");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("fila");

    // Rows by name: Ana Pérez 1, Bruno 2, Carla 3, Dario 12, Elena 34, O'Brien 40; row 3 chosen first.
    QTest::newRow("segunda columna, dos caracteres") << 1 << "12" << 4;
    QTest::newRow("sin distinguir mayúsculas") << 0 << "bR" << 2;
    QTest::newRow("letra acentuada") << 0 << "ANA PÉ" << 1;
    QTest::newRow("ninguna fila empieza así") << 0 << "zz" << 3;
    QTest::newRow("teclear más allá de todo valor conserva la última coincidencia") << 2 << "Sevilla la nueva" << 2;
    QTest::newRow("blancos alrededor ignorados") << 0 << "  elena " << 5;
}

void TstFrmCons3Busqueda::incremental()
{
    QFETCH(int, caja);
    QFETCH(QString, texto);
    QFETCH(int, fila);
    Lib_FrmCons3& dialogo = abre(QStringLiteral("SELECT NOMBRE, CODIGO, CIUDAD FROM CLIENTES ORDER BY NOMBRE"));
    dialogo.ListView1().setItemSeleccionado(3);
    escribe(dialogo.CmbSearch(caja), texto);
    QCOMPARE(dialogo.ListView1().ItemSeleccionado(), fila);
    QCOMPARE(dialogo.IndiceBusqueda(), caja);
    // Clearing the box selects the first row.
    dialogo.CmbSearch(caja).setEditText(QString());
    QCOMPARE(dialogo.ListView1().ItemSeleccionado(), 1);
}

void TstFrmCons3Busqueda::servidor_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("like");
    QTest::addColumn<int>("caja");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("resultado");
    QTest::addColumn<QStringList>("nombres");

    const QString todos = QStringLiteral("SELECT NOMBRE, CODIGO FROM CLIENTES ORDER BY NOMBRE");
    QTest::newRow("empieza con") << todos << false << 1 << "1"
                                 << "SELECT NOMBRE, CODIGO FROM CLIENTES  where CODIGO like '1%' ORDER BY NOMBRE "
                                 << QStringList{QStringLiteral("Ana Pérez"), QStringLiteral("Dario")};
    QTest::newRow("el asterisco es un comodín")
        << todos << false << 0 << "a*z"
        << "SELECT NOMBRE, CODIGO FROM CLIENTES  where NOMBRE like 'a%z%' ORDER BY NOMBRE "
        << QStringList{QStringLiteral("Ana Pérez")};
    QTest::newRow("en cualquier parte, asterisco literal")
        << todos << true << 0 << "r*"
        << "SELECT NOMBRE, CODIGO FROM CLIENTES  where NOMBRE like '%r*%' ORDER BY NOMBRE " << QStringList();
    QTest::newRow("en cualquier parte")
        << todos << true << 0 << "ar"
        << "SELECT NOMBRE, CODIGO FROM CLIENTES  where NOMBRE like '%ar%' ORDER BY NOMBRE "
        << QStringList{QStringLiteral("Carla"), QStringLiteral("Dario")};
    QTest::newRow("la comilla queda dentro del literal")
        << todos << false << 0 << "O'B"
        << "SELECT NOMBRE, CODIGO FROM CLIENTES  where NOMBRE like 'O''B%' ORDER BY NOMBRE "
        << QStringList{QStringLiteral("O'Brien")};
    QTest::newRow("filtro con OR acotado entero")
        << "SELECT NOMBRE, CODIGO FROM CLIENTES WHERE CODIGO = '1' OR CODIGO = '2' ORDER BY NOMBRE" << false << 0 << "b"
        << "SELECT NOMBRE, CODIGO FROM CLIENTES WHERE (CODIGO = '1' OR CODIGO = '2')  and NOMBRE like 'b%' ORDER BY "
           "NOMBRE "
        << QStringList{QStringLiteral("Bruno")};
    // An empty box reloads every row as the database now holds it, the one added meanwhile (with no
    // name) included.
    QTest::newRow("caja vacía no agrega nada") << todos << false << 0 << ""
                                               << "SELECT NOMBRE, CODIGO FROM CLIENTES ORDER BY NOMBRE "
                                               << QStringList{QString(),
                                                              QStringLiteral("Ana Pérez"),
                                                              QStringLiteral("Bruno"),
                                                              QStringLiteral("Carla"),
                                                              QStringLiteral("Dario"),
                                                              QStringLiteral("Elena"),
                                                              QStringLiteral("O'Brien")};
}

void TstFrmCons3Busqueda::servidor()
{
    QFETCH(QString, sql);
    QFETCH(bool, like);
    QFETCH(int, caja);
    QFETCH(QString, texto);
    QFETCH(QString, resultado);
    QFETCH(QStringList, nombres);

    Lib_FrmCons3& dialogo = prueba->nuevoDialogo();
    dialogo.SQL = sql;
    dialogo.CfgUsaConsultaLIKE = like;
    prueba->muestra();
    escribe(dialogo.CmbSearch(caja), texto);
    prueba->clientes({QStringLiteral("50|NULL|Vigo")});
    QTest::keyClick(dialogo.CmbSearch(caja).lineEdit(), Qt::Key_F5);
    // Each load appends one blank; the search adds its condition before the ordering clause.
    QCOMPARE(dialogo.SQL, resultado + u' ');
    QStringList obtenidos;
    for (int i = 1; i <= dialogo.ListView1().CantidadItems(); ++i)
        obtenidos << dialogo.ListView1().Texto(i);
    QCOMPARE(obtenidos, nombres);
    QCOMPARE(dialogo.CmbSearch(caja).currentText(), QString());
    QVERIFY(prueba->dialogos().registros().isEmpty());
}

void TstFrmCons3Busqueda::nuevaBusquedaVuelveAlPrincipio()
{
    Lib_FrmCons3& dialogo = abre(QStringLiteral("SELECT NOMBRE, CODIGO FROM CLIENTES ORDER BY NOMBRE"));
    escribe(dialogo.CmbSearch(0), QStringLiteral("a"));
    QTest::keyClick(dialogo.CmbSearch(0).lineEdit(), Qt::Key_F5);
    escribe(dialogo.CmbSearch(1), QStringLiteral("1"));
    QTest::keyClick(dialogo.CmbSearch(1).lineEdit(), Qt::Key_F5);
    QCOMPARE(dialogo.ListView1().CantidadItems(), 1);
    QVERIFY(dialogo.SQL.endsWith(QStringLiteral("ORDER BY NOMBRE   ")));
    QTest::mouseClick(&dialogo.CmdNueva(), Qt::LeftButton);
    QCOMPARE(dialogo.ListView1().CantidadItems(), 6);
    QCOMPARE(dialogo.SQL, dialogo.SQLInicial() + u' ');
    QVERIFY(dialogo.CmbSearch(0).hasFocus() || dialogo.CmbSearch(0).lineEdit()->hasFocus());
}

void TstFrmCons3Busqueda::textoHostil_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("nombres");
    QTest::newRow("segunda sentencia") << "x'; DROP TABLE CLIENTES; --" << QStringList();
    QTest::newRow("condición siempre cierta") << "' OR '1'='1" << QStringList();
    QTest::newRow("comillas dobles") << "\"Bruno\"" << QStringList();
    QTest::newRow("comentarios") << "O'/* x */ -- y" << QStringList();
    QTest::newRow("barra invertida") << "O\\'" << QStringList();
    QTest::newRow("acentos") << "ana pé" << QStringList{QStringLiteral("Ana Pérez")};
    QTest::newRow("emoji") << "Ana 🙂" << QStringList();
    QTest::newRow("caracteres de control") << "Ana\x01\x7f" << QStringList();
    QTest::newRow("muy largo") << QString(5000, u'O') << QStringList();
}

// Text typed into a search box narrows the list as a search, never as SQL of its own: no error, one
// query, the table untouched.
void TstFrmCons3Busqueda::textoHostil()
{
    QFETCH(QString, texto);
    QFETCH(QStringList, nombres);
    Lib_FrmCons3& dialogo = abre(QStringLiteral("SELECT NOMBRE, CODIGO FROM CLIENTES ORDER BY NOMBRE"));
    QComboBox& caja = dialogo.CmbSearch(0);
    caja.setFocus();
    caja.lineEdit()->clear();
    caja.lineEdit()->insert(texto);
    prueba->limpiaTraza();
    QTest::keyClick(caja.lineEdit(), Qt::Key_F5);
    QStringList obtenidos;
    for (int i = 1; i <= dialogo.ListView1().CantidadItems(); ++i)
        obtenidos << dialogo.ListView1().Texto(i);
    QCOMPARE(obtenidos, nombres);
    QVERIFY(prueba->dialogos().registros().isEmpty());
    QCOMPARE(prueba->traza().size(), 1);
    QCOMPARE(prueba->valor(QStringLiteral("SELECT COUNT(*) FROM CLIENTES")).toInt(), 6);
}

AGENDA_PRUEBA(TstFrmCons3Busqueda)
#include "tst_frmcons3_busqueda.moc"
