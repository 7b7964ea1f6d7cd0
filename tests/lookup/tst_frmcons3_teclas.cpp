#include "ConsultaDePrueba.h"
#include "data/DB_Dll.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/ui/ListView.h"
#include "runtime/Dialogos.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

// The keys of the list lookup: quantities, type-ahead into the search box last used, and F12's
// missing-stock report; also the stock colours of article rows.
class TstFrmCons3Teclas : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cantidades_data();
    void cantidades();
    void tecleoAnticipado_data();
    void tecleoAnticipado();
    void tecleoVaALaUltimaCaja();
    void faltante_data();
    void faltante();
    void coloresDeStock_data();
    void coloresDeStock();

private:
    Lib_FrmCons3& abreArticulos(const QString& sql);
    std::unique_ptr<ConsultaDePrueba> prueba;
};

namespace {
const ColorOle Nivel1(0x0000FF), Nivel2(0x00FF00), Nivel3(0xFF0000), Nivel4(0x808080);
} // namespace

void TstFrmCons3Teclas::init()
{
    prueba = std::make_unique<ConsultaDePrueba>();
    prueba->ejecuta(QStringLiteral("CREATE TABLE PRUEBA_ARTICULOS (IDARTICULO VARCHAR(20), DESCRIPCION VARCHAR(40), "
                                   "PUNTOPEDIDO FLOAT, Stock VARCHAR(10), CANT VARCHAR(10))"));
}

void TstFrmCons3Teclas::cleanup()
{
    prueba.reset();
}

Lib_FrmCons3& TstFrmCons3Teclas::abreArticulos(const QString& sql)
{
    Lib_FrmCons3& dialogo = prueba->nuevoDialogo();
    dialogo.SQL = sql;
    dialogo.StkNivel1 = Nivel1.valor();
    dialogo.StkNivel2 = Nivel2.valor();
    dialogo.StkNivel3 = Nivel3.valor();
    dialogo.StkNivel4 = Nivel4.valor();
    return dialogo;
}

void TstFrmCons3Teclas::cantidades_data()
{
    QTest::addColumn<QString>("celda");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificadores");
    QTest::addColumn<QString>("respuesta");
    QTest::addColumn<QString>("resultado");
    QTest::addColumn<bool>("marcada");

    const int shift = Qt::ShiftModifier;
    QTest::newRow("insertar en vacío") << "" << int(Qt::Key_Insert) << 0 << ""
                                       << "1,0" << true;
    QTest::newRow("insertar suma uno") << "1,0" << int(Qt::Key_Insert) << 0 << ""
                                       << "2,0" << true;
    QTest::newRow("decimal con punto leído entero") << "2.5" << int(Qt::Key_Insert) << 0 << ""
                                                    << "3,5" << true;
    QTest::newRow("decimal con coma leído entero") << "2,5" << int(Qt::Key_Delete) << 0 << ""
                                                   << "1,5" << false;
    QTest::newRow("suprimir hasta cero desmarca") << "1" << int(Qt::Key_Delete) << 0 << ""
                                                  << "0.00" << false;
    QTest::newRow("suprimir en vacío") << "" << int(Qt::Key_Delete) << 0 << ""
                                       << "0.00" << false;
    QTest::newRow("cantidad tecleada") << "7" << int(Qt::Key_Insert) << shift << "3"
                                       << "3,00" << true;
    QTest::newRow("tecleada con un punto") << "7" << int(Qt::Key_Insert) << shift << "2.5"
                                           << "2,50" << true;
    QTest::newRow("cero tecleado conserva la celda") << "7" << int(Qt::Key_Insert) << shift << ""
                                                     << "7" << true;
    QTest::newRow("palabras tecleadas quedan como se teclearon") << "7" << int(Qt::Key_Insert) << shift << "4 cajas"
                                                                 << "4 cajas" << true;
    QTest::newRow("ctrl+mayús+insertar no hace nada")
        << "7" << int(Qt::Key_Insert) << int(Qt::ShiftModifier | Qt::ControlModifier) << ""
        << "7" << false;
    QTest::newRow("mayús+suprimir no hace nada") << "7" << int(Qt::Key_Delete) << shift << ""
                                                 << "7" << false;
}

void TstFrmCons3Teclas::cantidades()
{
    QFETCH(QString, celda);
    QFETCH(int, tecla);
    QFETCH(int, modificadores);
    QFETCH(QString, respuesta);
    QFETCH(QString, resultado);
    QFETCH(bool, marcada);

    prueba->ejecuta(QStringLiteral("INSERT INTO PRUEBA_ARTICULOS (IDARTICULO, CANT) VALUES ('A1', '%1')").arg(celda));
    Lib_FrmCons3& dialogo = prueba->nuevoDialogo();
    dialogo.SQL = QStringLiteral("SELECT IDARTICULO, CANT AS [**Cantidad**] FROM PRUEBA_ARTICULOS");
    dialogo.UsaCantidades = true;
    dialogo.CheckBoxes = true;
    prueba->muestra();
    ListView& lista = dialogo.ListView1();
    lista.setItemSeleccionado(1);
    lista.setFocus();
    prueba->dialogos().respondeTexto(respuesta);
    QTest::keyClick(&lista, Qt::Key(tecla), Qt::KeyboardModifiers(modificadores));
    QCOMPARE(lista.SubItem(1, 1), resultado);
    QCOMPARE(lista.Marcado(1), marcada);
    if (modificadores == Qt::ShiftModifier && tecla == Qt::Key_Insert) {
        QCOMPARE(prueba->dialogos().registros().size(), 1);
        QCOMPARE(prueba->dialogos().registros()[0].titulo, QStringLiteral("Carga de Datos"));
    }
}

void TstFrmCons3Teclas::tecleoAnticipado_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificadores");
    QTest::addColumn<QString>("texto");

    QTest::newRow("letra") << int(Qt::Key_B) << 0 << "B";
    QTest::newRow("letra con mayúsculas") << int(Qt::Key_B) << int(Qt::ShiftModifier) << "B";
    // Several European keyboards give the digits with Shift: Qt then names the symbol over the digit
    // ("!" over 1), and only the key's position still names the digit.
    QTest::newRow("mayúsculas con el dígito 1") << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << "1";
    QTest::newRow("mayúsculas con el dígito 0") << int(Qt::Key_Equal) << int(Qt::ShiftModifier) << "0";
    QTest::newRow("1 del teclado numérico es a") << int(Qt::Key_1) << int(Qt::KeypadModifier) << "a";
    QTest::newRow("0 del teclado numérico nada") << int(Qt::Key_0) << int(Qt::KeypadModifier) << "";
    QTest::newRow("espacio sin casillas") << int(Qt::Key_Space) << 0 << " ";
}

void TstFrmCons3Teclas::tecleoAnticipado()
{
    QFETCH(int, tecla);
    QFETCH(int, modificadores);
    QFETCH(QString, texto);

    prueba->ejecuta(QStringLiteral("INSERT INTO PRUEBA_ARTICULOS (IDARTICULO) VALUES ('A1')"));
    Lib_FrmCons3& dialogo = prueba->nuevoDialogo();
    dialogo.SQL = QStringLiteral("SELECT IDARTICULO FROM PRUEBA_ARTICULOS");
    prueba->muestra();
    dialogo.ListView1().setFocus();
    // The key's position on the keyboard, as a real keyboard reports it (1 is 10 … 0 is 19).
    const quint32 posicion = tecla == Qt::Key_Exclam ? 10 : tecla == Qt::Key_Equal ? 19 : 0;
    QKeyEvent pulsada(QEvent::KeyPress, tecla, Qt::KeyboardModifiers(modificadores), posicion, 0, 0);
    QApplication::sendEvent(&dialogo.ListView1(), &pulsada);
    QCOMPARE(dialogo.CmbSearch(0).currentText(), texto);
    QCOMPARE(dialogo.ListView1().hasFocus(), texto.isEmpty());
}

void TstFrmCons3Teclas::tecleoVaALaUltimaCaja()
{
    prueba->ejecuta(QStringLiteral("INSERT INTO PRUEBA_ARTICULOS (IDARTICULO, DESCRIPCION) VALUES ('A1', 'Tornillo')"));
    prueba->ejecuta(QStringLiteral("INSERT INTO PRUEBA_ARTICULOS (IDARTICULO, DESCRIPCION) VALUES ('A2', 'Tuerca')"));
    Lib_FrmCons3& dialogo = prueba->nuevoDialogo();
    dialogo.SQL = QStringLiteral("SELECT IDARTICULO, DESCRIPCION FROM PRUEBA_ARTICULOS");
    prueba->muestra();
    dialogo.CmbSearch(1).setFocus();
    QTest::keyClick(dialogo.CmbSearch(1).lineEdit(), Qt::Key_Down);
    QVERIFY(dialogo.ListView1().hasFocus());
    QTest::keyClicks(&dialogo.ListView1(), QStringLiteral("tu"));
    QCOMPARE(dialogo.CmbSearch(1).currentText(), QStringLiteral("TU"));
    QCOMPARE(dialogo.ListView1().ItemSeleccionado(), 2);
}

void TstFrmCons3Teclas::faltante_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<bool>("elegida");
    QTest::addColumn<int>("respuesta");
    QTest::addColumn<QString>("pregunta");
    QTest::addColumn<QString>("grabado");

    const QString articulos = QStringLiteral("SELECT DESCRIPCION, IDARTICULO FROM PRUEBA_ARTICULOS");
    const QString pregunta
        = QStringLiteral("Desea informar el articulo A-7 Llave 'inglesa'\r\ncomo un faltante de stock?");
    const QString sinCodigo = QStringLiteral("La fila elegida no tiene código de artículo: no hay nada que informar.");
    QTest::newRow("sí registra la fila") << articulos << "A-7" << true << int(Msg::Si) << pregunta
                                         << "2025-03-05 10:15:00|" + QString(22, u' ') + "A-7|Llave 'inglesa'|O'Neil";
    // The code is aligned as the cell holds it; only the question shows it trimmed.
    QTest::newRow("código de ancho fijo con blancos al final")
        << articulos << "A-7  " << true << int(Msg::Si) << pregunta
        << "2025-03-05 10:15:00|" + QString(20, u' ') + "A-7  |Llave 'inglesa'|O'Neil";
    QTest::newRow("no registra nada") << articulos << "A-7" << true << int(Msg::No) << pregunta << "";
    QTest::newRow("ninguna fila elegida") << articulos << "A-7" << false << int(Msg::Si) << ""
                                          << "";
    QTest::newRow("sin columna de código") << "SELECT DESCRIPCION FROM PRUEBA_ARTICULOS"
                                           << "A-7" << true << int(Msg::Si) << sinCodigo << "";
    QTest::newRow("código vacío") << articulos << "  " << true << int(Msg::Si) << sinCodigo << "";
}

void TstFrmCons3Teclas::faltante()
{
    QFETCH(QString, sql);
    QFETCH(QString, codigo);
    QFETCH(bool, elegida);
    QFETCH(int, respuesta);
    QFETCH(QString, pregunta);
    QFETCH(QString, grabado);

    DB_Dll::Compartido().gUsuario = QStringLiteral("O'Neil");
    prueba->ejecuta(
        QStringLiteral("INSERT INTO PRUEBA_ARTICULOS (IDARTICULO, DESCRIPCION) VALUES ('%1', 'Llave ''inglesa''')")
            .arg(codigo));
    Lib_FrmCons3& dialogo = prueba->nuevoDialogo();
    dialogo.SQL = sql;
    prueba->muestra();
    if (elegida)
        dialogo.ListView1().setItemSeleccionado(1);
    dialogo.CmbSearch(0).setFocus();
    prueba->dialogos().responde(respuesta);
    QTest::keyClick(dialogo.CmbSearch(0).lineEdit(), Qt::Key_F12);
    const auto& registros = prueba->dialogos().registros();
    QCOMPARE(registros.isEmpty(), pregunta.isEmpty());
    if (!pregunta.isEmpty()) {
        QCOMPARE(registros[0].texto, pregunta);
        QCOMPARE(registros[0].titulo, QStringLiteral("Atención!"));
        QCOMPARE(registros[0].estilo,
                 pregunta.startsWith(u'D') ? Msg::SiNo + Msg::Pregunta : Msg::OkSolo + Msg::Exclamacion);
    }
    QCOMPARE(
        prueba
            ->valor(QStringLiteral(
                "SELECT FechaHora || '|' || IdArticulo || '|' || Descripcion || '|' || Usuario FROM V_MV_FALTANTES"))
            .toString(),
        grabado);
    // F12 is the window's key: the search box never sees it.
    QCOMPARE(dialogo.CmbSearch(0).currentText(), QString());
}

void TstFrmCons3Teclas::coloresDeStock_data()
{
    QTest::addColumn<QString>("muestra");
    QTest::addColumn<QString>("puntoPedido");
    QTest::addColumn<QString>("stock");
    QTest::addColumn<int>("color");

    QTest::newRow("sin punto de pedido, con existencias") << "SI"
                                                          << "0"
                                                          << "5" << int(Nivel1.valor());
    QTest::newRow("sobre el punto de pedido, si en minúsculas") << "si"
                                                                << "10"
                                                                << "11" << int(Nivel2.valor());
    QTest::newRow("bajo el punto de pedido") << "SI"
                                             << "10"
                                             << "9.5" << int(Nivel3.valor());
    QTest::newRow("igual") << "SI"
                           << "10"
                           << "10" << int(Nivel4.valor());
    QTest::newRow("ambos cero") << "SI"
                                << "0"
                                << "0" << int(Nivel4.valor());
    QTest::newRow("punto de pedido nulo cuenta como 0") << "SI"
                                                        << "NULL"
                                                        << "3" << int(Nivel1.valor());
    QTest::newRow("existencias vacías cuentan como 0") << "SI"
                                                       << "10"
                                                       << "''" << int(Nivel3.valor());
    QTest::newRow("sin colores") << "NO"
                                 << "0"
                                 << "5" << -1;
}

void TstFrmCons3Teclas::coloresDeStock()
{
    QFETCH(QString, muestra);
    QFETCH(QString, puntoPedido);
    QFETCH(QString, stock);
    QFETCH(int, color);

    prueba->ejecuta(QStringLiteral("INSERT INTO PRUEBA_ARTICULOS (IDARTICULO, DESCRIPCION, PUNTOPEDIDO, Stock) VALUES "
                                   "('A1', 'Tuerca', %1, %2)")
                        .arg(puntoPedido, stock));
    Lib_FrmCons3& dialogo
        = abreArticulos(QStringLiteral("SELECT IDARTICULO, DESCRIPCION, PUNTOPEDIDO, Stock FROM PRUEBA_ARTICULOS"));
    dialogo.MuestraStock = muestra;
    prueba->muestra();
    const ListView& lista = dialogo.ListView1();
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(lista.Negrita(1, k), color >= 0);
        if (color >= 0)
            QCOMPARE(lista.ColorTexto(1, k), ColorOle(static_cast<uint32_t>(color)));
    }
    QVERIFY(prueba->dialogos().registros().isEmpty());
}

AGENDA_PRUEBA(TstFrmCons3Teclas)
#include "tst_frmcons3_teclas.moc"
