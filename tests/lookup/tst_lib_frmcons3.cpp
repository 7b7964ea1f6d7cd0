#include "ConsultaDePrueba.h"
#include "data/DB_Dll.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/ui/ListView.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

// The list lookup's load and its result: rows and columns from the statement, pre-checked rows,
// accept in both modes, cancel.
class TstLibFrmCons3 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cargaFilasYColumnas();
    void aceptaUnaFila_data();
    void aceptaUnaFila();
    void aceptaMarcadas_data();
    void aceptaMarcadas();
    void cancelaDejaSinResultado();
    void sentenciaConservaNombresDeTablas();

private:
    Lib_FrmCons3& abre(const QString& sql);
    std::unique_ptr<ConsultaDePrueba> prueba;
};

void TstLibFrmCons3::init()
{
    prueba = std::make_unique<ConsultaDePrueba>();
    prueba->clientes({QStringLiteral("1|  Ana Pérez |Madrid"), QStringLiteral("2|Bruno|Sevilla"),
                      QStringLiteral("3|Carla|NULL"), QStringLiteral("12|Dario|Bilbao"),
                      QStringLiteral("34|Elena|Cádiz")});
}

void TstLibFrmCons3::cleanup()
{
    prueba.reset();
}

Lib_FrmCons3& TstLibFrmCons3::abre(const QString& sql)
{
    Lib_FrmCons3& dialogo = prueba->nuevoDialogo();
    dialogo.SQL = sql;
    return dialogo;
}

void TstLibFrmCons3::cargaFilasYColumnas()
{
    Lib_FrmCons3& dialogo = abre(QStringLiteral("SELECT NOMBRE, CODIGO, CIUDAD FROM CLIENTES ORDER BY NOMBRE"));
    prueba->muestra();
    const ListView& lista = dialogo.ListView1();
    QCOMPARE(lista.CantidadColumnas(), 3);
    QCOMPARE(lista.TituloColumna(2), QStringLiteral("CODIGO"));
    QCOMPARE(lista.CantidadItems(), 5);
    QCOMPARE(lista.Texto(1), QStringLiteral("Ana Pérez"));
    QCOMPARE(lista.SubItem(3, 2), QString());
    QCOMPARE(lista.SubItem(4, 1), QStringLiteral("12"));
    QCOMPARE(dialogo.CantidadCmbSearch(), 3);
    QCOMPARE(dialogo.TablaConsulta(), QStringLiteral("CLIENTES"));
    QCOMPARE(dialogo.windowType(), Qt::Tool);
    QVERIFY(dialogo.Valores && dialogo.Valores->isEmpty());
    QVERIFY(dialogo.Cantidades && dialogo.Cantidades->isEmpty());
    QVERIFY(prueba->dialogos().registros().isEmpty());
}

void TstLibFrmCons3::aceptaUnaFila_data()
{
    QTest::addColumn<QString>("campoDevuelto");
    QTest::addColumn<QStringList>("devueltos");
    QTest::addColumn<int>("fila");
    QTest::addColumn<QVariant>("valorDevuelto");
    QTest::addColumn<QStringList>("valores");

    QTest::newRow("columna devuelta") << "codigo " << QStringList() << 2 << QVariant(QStringLiteral("2"))
                                      << QStringList();
    QTest::newRow("títulos y luego columna devuelta")
        << "CIUDAD" << QStringList{QStringLiteral("NOMBRE"), QStringLiteral("CODIGO")} << 2
        << QVariant(QStringLiteral("Sevilla")) << QStringList{QStringLiteral("Bruno"), QStringLiteral("2")};
    QTest::newRow("título que no nombra columna repite el valor anterior")
        << "" << QStringList{QStringLiteral("NOMBRE"), QStringLiteral("NO EXISTE")} << 1
        << QVariant(QStringLiteral("Ana Pérez"))
        << QStringList{QStringLiteral("Ana Pérez"), QStringLiteral("Ana Pérez")};
    QTest::newRow("ninguna fila elegida no devuelve nada")
        << "CODIGO" << QStringList{QStringLiteral("NOMBRE")} << 0 << QVariant(QStringLiteral("antes")) << QStringList();
}

void TstLibFrmCons3::aceptaUnaFila()
{
    QFETCH(QString, campoDevuelto);
    QFETCH(QStringList, devueltos);
    QFETCH(int, fila);
    QFETCH(QVariant, valorDevuelto);
    QFETCH(QStringList, valores);

    Lib_FrmCons3& dialogo = abre(QStringLiteral("SELECT NOMBRE, CODIGO, CIUDAD FROM CLIENTES ORDER BY NOMBRE"));
    dialogo.CampoDevuelto = campoDevuelto;
    dialogo.ValorDevuelto = QStringLiteral("antes");
    dialogo.CmpsDevueltos = std::make_shared<QVariantList>();
    for (const QString& titulo : devueltos)
        dialogo.CmpsDevueltos->append(titulo);
    prueba->muestra();
    if (fila > 0) {
        dialogo.ListView1().setItemSeleccionado(fila);
        dialogo.ListView1().setFocus();
        QTest::keyClick(&dialogo.ListView1(), Qt::Key_Return);
    } else {
        QTest::mouseClick(&dialogo.CmdAceptar(), Qt::LeftButton);
    }
    QVERIFY(dialogo.isHidden());
    QCOMPARE(dialogo.result(), int(QDialog::Accepted));
    QCOMPARE(dialogo.ValorDevuelto, valorDevuelto);
    QStringList obtenidos;
    for (const QVariant& valor : *dialogo.Valores)
        obtenidos << valor.toString();
    QCOMPARE(obtenidos, valores);
}

void TstLibFrmCons3::aceptaMarcadas_data()
{
    QTest::addColumn<QString>("valoresDefault");
    QTest::addColumn<QString>("campoDevuelto");
    QTest::addColumn<QStringList>("valores");

    QTest::newRow("los valores por defecto son valores enteros")
        << "12,34"
        << "CODIGO" << QStringList{QStringLiteral("12"), QStringLiteral("34")};
    QTest::newRow("blancos y mayúsculas ignorados")
        << " elena , ANA PÉREZ"
        << "NOMBRE" << QStringList{QStringLiteral("Ana Pérez"), QStringLiteral("Elena")};
    QTest::newRow("comillas simples como en una lista IN")
        << "'12','34'"
        << "CODIGO" << QStringList{QStringLiteral("12"), QStringLiteral("34")};
    QTest::newRow("punto y coma y comillas dobles")
        << "\"12\" ; 34"
        << "CODIGO" << QStringList{QStringLiteral("12"), QStringLiteral("34")};
    QTest::newRow("comillas con blancos dentro") << "' Ana Pérez '"
                                                 << "NOMBRE" << QStringList{QStringLiteral("Ana Pérez")};
    QTest::newRow("parte de un valor no marca") << "'123'; 4"
                                                << "CODIGO" << QStringList();
    QTest::newRow("nulo nunca coincide") << ","
                                         << "CIUDAD" << QStringList();
    QTest::newRow("comillas vacías no marcan") << "'';\"\""
                                               << "CIUDAD" << QStringList();
    QTest::newRow("sin campo devuelto no se marca nada") << "1,2"
                                                         << "" << QStringList();
}

void TstLibFrmCons3::aceptaMarcadas()
{
    QFETCH(QString, valoresDefault);
    QFETCH(QString, campoDevuelto);
    QFETCH(QStringList, valores);

    Lib_FrmCons3& dialogo = abre(QStringLiteral("SELECT NOMBRE, CODIGO, CIUDAD FROM CLIENTES ORDER BY NOMBRE"));
    dialogo.CheckBoxes = true;
    dialogo.ValoresDefault = valoresDefault;
    dialogo.CampoDevuelto = campoDevuelto;
    prueba->muestra();
    QTest::mouseClick(&dialogo.CmdAceptar(), Qt::LeftButton);
    QStringList obtenidos;
    for (const QVariant& valor : *dialogo.Valores)
        obtenidos << valor.toString();
    QCOMPARE(obtenidos, valores);
    if (campoDevuelto.isEmpty())
        QCOMPARE(dialogo.CampoDevuelto, QStringLiteral("NOMBRE"));
}

void TstLibFrmCons3::cancelaDejaSinResultado()
{
    Lib_FrmCons3& dialogo = abre(QStringLiteral("SELECT NOMBRE, CODIGO FROM CLIENTES"));
    dialogo.CheckBoxes = true;
    dialogo.CmpsDevueltos = std::make_shared<QVariantList>(QVariantList{QStringLiteral("NOMBRE")});
    prueba->muestra();
    dialogo.ListView1().setItemSeleccionado(1);
    dialogo.ListView1().setFocus();
    QTest::keyClick(&dialogo.ListView1(), Qt::Key_Space);
    QVERIFY(dialogo.ListView1().Marcado(1));
    QTest::keyClick(&dialogo, Qt::Key_Escape);
    QVERIFY(dialogo.isHidden());
    QCOMPARE(dialogo.ValorDevuelto, QVariant(QString()));
    QVERIFY(!dialogo.Valores);
    QVERIFY(!dialogo.CmpsDevueltos);
}

// The data layer hands back the synonym form of a statement; the dialog must keep the caller's
// names, or a later search would apply the synonyms a second time.
void TstLibFrmCons3::sentenciaConservaNombresDeTablas()
{
    DB_Dll::Compartido().gEsAdmin = false;
    Lib_FrmCons3& dialogo = abre(QStringLiteral("SELECT NOMBRE FROM CLIENTES"));
    prueba->muestra();
    QCOMPARE(dialogo.SQL, QStringLiteral("SELECT NOMBRE FROM CLIENTES "));
}

AGENDA_PRUEBA(TstLibFrmCons3)
#include "tst_lib_frmcons3.moc"
