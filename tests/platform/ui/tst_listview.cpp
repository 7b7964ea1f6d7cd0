#include "platform/ui/ListView.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

// The list stand-in: its own sort by text (as a person reads, selection kept), sorted adds, check
// boxes toggled by Space, header clicks and exact widths in twips.
class TstListView : public QObject {
    Q_OBJECT
private slots:
    void ordena_data();
    void ordena();
    void agregaEnOrdenYCarga();
    void casillasCabecerasYAnchos();
    void buscaPrefijoTrasCambios_data();
    void buscaPrefijoTrasCambios();

private:
    static QStringList textos(const ListView& lista);
};

QStringList TstListView::textos(const ListView& lista)
{
    QStringList resultado;
    for (int i = 1; i <= lista.CantidadItems(); ++i)
        resultado << lista.Texto(i) + u'/' + lista.SubItem(i, 1);
    return resultado;
}

void TstListView::ordena_data()
{
    QTest::addColumn<int>("clave");
    QTest::addColumn<int>("sentido");
    QTest::addColumn<QStringList>("orden");

    QTest::newRow("texto ascendente, acentos y mayúsculas leídos como letras")
        << 0 << 0 << QStringList{"Álamo/3", "alfa/1", "beta/4", "Zeta/2"};
    QTest::newRow("texto descendente") << 0 << 1 << QStringList{"Zeta/2", "beta/4", "alfa/1", "Álamo/3"};
    QTest::newRow("subelemento ascendente, comparado como texto")
        << 1 << 0 << QStringList{"alfa/1", "Zeta/2", "Álamo/3", "beta/4"};
}

void TstListView::ordena()
{
    QFETCH(int, clave);
    QFETCH(int, sentido);
    QFETCH(QStringList, orden);
    QWidget ventana;
    ListView lista(&ventana);
    QAbstractItemModelTester probador(lista.model());
    lista.AgregaColumna(QStringLiteral("A"), 1000);
    lista.AgregaColumna(QStringLiteral("B"), 1000);
    const QStringList filas{"alfa/1", "Zeta/2", "Álamo/3", "beta/4"};
    for (const QString& fila : filas)
        lista.setSubItem(lista.AgregaItem(fila.section(u'/', 0, 0)), 1, fila.section(u'/', 1));
    lista.setItemSeleccionado(2);
    lista.OrdenaPor(clave, sentido);
    QCOMPARE(textos(lista), orden);
    QCOMPARE(lista.Texto(lista.ItemSeleccionado()), QStringLiteral("Zeta"));
}

void TstListView::agregaEnOrdenYCarga()
{
    QWidget ventana;
    ListView lista(&ventana);
    QAbstractItemModelTester probador(lista.model());
    lista.AgregaColumna(QStringLiteral("A"), 1000);
    lista.AgregaColumna(QStringLiteral("B"), 1000);
    lista.setSorted(true);
    {
        const ListView::Carga carga = lista.IniciaCarga();
        for (const QString& texto : {QStringLiteral("m"), QStringLiteral("c"), QStringLiteral("x")})
            lista.setSubItem(lista.AgregaItem(texto), 1, texto.toUpper());
    }
    QCOMPARE(textos(lista), (QStringList{"c/C", "m/M", "x/X"}));
    const int nuevo = lista.AgregaItem(QStringLiteral("n"));
    QCOMPARE(nuevo, 3);
    QCOMPARE(textos(lista), (QStringList{"c/C", "m/M", "n/", "x/X"}));
}

void TstListView::casillasCabecerasYAnchos()
{
    QWidget ventana;
    ListView lista(&ventana);
    lista.setGeometry(0, 0, 400, 300);
    lista.AgregaColumna(QStringLiteral("Nombre"), 1000);
    lista.AgregaColumna(QStringLiteral("Código"), 1001);
    lista.AgregaItem(QStringLiteral("uno"));
    lista.AgregaItem(QStringLiteral("dos"));
    ventana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ventana));

    QCOMPARE(lista.AnchoColumna(2), 1001);
    QCOMPARE(lista.IzquierdaColumna(2), 1000);
    lista.header()->resizeSection(0, 100); // the person drags the column's edge
    QCOMPARE(lista.AnchoColumna(1), 1500);

    lista.setCheckboxes(true);
    lista.setItemSeleccionado(2);
    lista.setFocus();
    QTest::keyClick(&lista, Qt::Key_Space);
    QVERIFY(lista.Marcado(2));
    QVERIFY(!lista.Marcado(1));

    QSignalSpy clics(&lista, &ListView::ColumnClick);
    const QPoint centro(lista.header()->sectionViewportPosition(1) + 10, lista.header()->height() / 2);
    QTest::mouseClick(lista.header()->viewport(), Qt::LeftButton, {}, centro);
    QCOMPARE(clics.size(), 1);
    QCOMPARE(clics[0][0].toInt(), 2);
    // The view's own type-ahead is off: letters only reach KeyDown.
    QSignalSpy teclas(&lista, &ListView::KeyDown);
    QTest::keyClick(&lista, Qt::Key_U);
    QCOMPARE(lista.ItemSeleccionado(), 2);
    QCOMPARE(teclas.size(), 1);
    QCOMPARE(teclas[0][0].toInt(), 85);
}

void TstListView::buscaPrefijoTrasCambios_data()
{
    QTest::addColumn<QString>("cambio");
    QTest::addColumn<int>("columna");
    QTest::addColumn<QString>("prefijo");
    QTest::addColumn<int>("item");

    // Items: " beta"/"x", "Alfa"/"", "álamo"/"y", "alba"/"x"; each row searches once before the change.
    QTest::newRow("el menor de varios que coinciden, sin distinguir mayúsculas") << "" << 0 << "AL" << 2;
    QTest::newRow("una letra acentuada es una letra propia") << "" << 0 << "ÁLA" << 3;
    QTest::newRow("blancos antes del texto ignorados") << "" << 0 << "BE" << 1;
    QTest::newRow("un subelemento nunca puesto se lee vacío") << "" << 1 << "" << 1;
    QTest::newRow("sin coincidencia") << "" << 1 << "z" << 0;
    QTest::newRow("texto cambiado tras una búsqueda") << "texto" << 0 << "gam" << 1;
    QTest::newRow("filas ordenadas tras una búsqueda") << "ordena" << 0 << "al" << 1;
    QTest::newRow("elemento agregado tras una búsqueda") << "agrega" << 1 << "z" << 5;
    QTest::newRow("elementos vaciados tras una búsqueda") << "limpia" << 0 << "" << 0;
}

void TstListView::buscaPrefijoTrasCambios()
{
    QFETCH(QString, cambio);
    QFETCH(int, columna);
    QFETCH(QString, prefijo);
    QFETCH(int, item);
    QWidget ventana;
    ListView lista(&ventana);
    lista.AgregaColumna(QStringLiteral("A"), 1000);
    lista.AgregaColumna(QStringLiteral("B"), 1000);
    const QList<std::pair<QString, QString>> filas{{" beta", "x"}, {"Alfa", ""}, {"álamo", "y"}, {"alba", "x"}};
    for (const auto& [texto, sub] : filas) {
        const int nuevo = lista.AgregaItem(texto);
        if (!sub.isEmpty())
            lista.setSubItem(nuevo, 1, sub);
    }
    QCOMPARE(lista.PrimeroQueEmpieza(columna, QStringLiteral("zz")), 0);
    if (cambio == QLatin1String("texto"))
        lista.setTexto(1, QStringLiteral("Gamma"));
    else if (cambio == QLatin1String("ordena"))
        lista.OrdenaPor(1, 0);
    else if (cambio == QLatin1String("agrega"))
        lista.setSubItem(lista.AgregaItem(QStringLiteral("omega")), 1, QStringLiteral("Zulú"));
    else if (cambio == QLatin1String("limpia"))
        lista.LimpiaItems();
    QCOMPARE(lista.PrimeroQueEmpieza(columna, prefijo), item);
}

AGENDA_PRUEBA(TstListView)
#include "tst_listview.moc"
