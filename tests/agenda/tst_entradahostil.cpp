#include "AgendaDePrueba.h"
#include "agenda/FrmMVAgenda.h"
#include "platform/ui/MSFlexGrid.h"
#include "platform/ui/TextBox.h"

#include <QTest>

// Whatever is typed or pasted as a note reaches the database as one statement and comes back exactly
// as typed (blanks around it dropped), or is refused with a message and stays in the editor.
class TstEntradaHostil : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data();
    void init();
    void cleanup();
    void notaTalCual_data();
    void notaTalCual();

private:
    [[nodiscard]] MSFlexGrid& grid() { return agenda->ventana().MSFGAgenda(); }
    [[nodiscard]] TextBox& editor() { return agenda->ventana().TxtEdit(); }
    std::unique_ptr<AgendaDePrueba> agenda;
};

void TstEntradaHostil::initTestCase_data()
{
    AgregaMotores();
}

void TstEntradaHostil::init()
{
    REQUIERE_MOTOR();
    agenda = std::make_unique<AgendaDePrueba>(false, QDate(2025, 3, 5), MotorActual());
    agenda->franja(QStringLiteral("09:00"), 0, 0, QStringLiteral("primera"));
    agenda->franja(QStringLiteral("10:00"));
    agenda->muestraDia(QDate(2025, 3, 5));
    agenda->limpiaTraza();
    agenda->dialogos().limpia();
}

void TstEntradaHostil::cleanup()
{
    agenda.reset();
}

void TstEntradaHostil::notaTalCual_data()
{
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<QString>("guardada"); // "" with aviso: refused

    const auto fila
        = [](const char* nombre, const QString& texto) { QTest::newRow(nombre) << texto << texto.trimmed(); };
    fila("comillas simples", QStringLiteral("O'Brien dijo 'hola' ''"));
    fila("comillas dobles", QStringLiteral("\"cita\" y \"\""));
    fila("segunda sentencia", QStringLiteral("x'; DROP TABLE MV_AGENDA; --"));
    fila("sentencia al final", QStringLiteral("'); DELETE FROM MV_AGENDA WHERE ('1'='1"));
    fila("comentario de línea", QStringLiteral("antes -- después"));
    fila("comentario de bloque", QStringLiteral("a /* b */ c */ d /*"));
    fila("barra invertida", QStringLiteral("C:\\notas\\' OR 1=1 \\"));
    fila("marcadores de parámetro", QStringLiteral("? ?1 :nota @p $1 %s"));
    fila("dólares", QStringLiteral("$$ cuerpo $$ $a$"));
    fila("acentos y eñe", QStringLiteral("Añadir cita: José, Ángela, pingüino, ç"));
    fila("emoji", QStringLiteral("Llamar 📞 mañana 🙂👍🏽"));
    fila("caracteres de control",
         QStringLiteral("a\tb\x01"
                        "c\x1f"
                        "d\x7f"
                        "e"));
    fila("blancos alrededor", QStringLiteral("   con blancos   "));
    fila("255 caracteres", QString(254, u'ñ') + u'\'');
    fila("255 emoji", QString(255 * 2, u' ').replace(QStringLiteral("  "), QStringLiteral("😀")));
    QTest::newRow("10.000 caracteres") << QString(10000, u'x') << QString();
    QTest::newRow("256 caracteres") << QString(256, u'a') << QString();
}

void TstEntradaHostil::notaTalCual()
{
    QFETCH(QString, tecleado);
    QFETCH(QString, guardada);
    // The empty 10:00 slot, opened with a double click; the text goes in as a paste does.
    const QPoint centro = grid().visualRect(grid().model()->index(1, 1)).center();
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, centro);
    QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, centro);
    QVERIFY(editor().isVisible());
    editor().insert(tecleado);
    QCOMPARE(editor().text(), tecleado);
    QTest::keyClick(&editor(), Qt::Key_Return);

    const QVariant leida = agenda->valor(QStringLiteral("SELECT Mensaje FROM MV_AGENDA WHERE ID = 2"));
    QCOMPARE(agenda->valor(QStringLiteral("SELECT COUNT(*) FROM MV_AGENDA")).toInt(), 2);
    QCOMPARE(agenda->valor(QStringLiteral("SELECT Mensaje FROM MV_AGENDA WHERE ID = 1")).toString(),
             QStringLiteral("primera"));
    if (guardada.isEmpty()) {
        // Refused: said so, nothing sent, and the text waits in the editor.
        QVERIFY(leida.isNull());
        QCOMPARE(agenda->dialogos().registros().size(), 1);
        QVERIFY2(agenda->dialogos().registros().first().texto.contains(QStringLiteral("una nota admite 255")),
                 qPrintable(agenda->dialogos().registros().first().texto));
        QVERIFY(editor().isVisible());
        QCOMPARE(editor().text(), tecleado);
        QVERIFY(grid().TextMatrix(1, 1).isEmpty());
        return;
    }
    QTRY_VERIFY(!editor().isVisible());
    QVERIFY(agenda->dialogos().registros().isEmpty());
    QCOMPARE(leida.toString(), guardada);
    QCOMPARE(grid().TextMatrix(1, 1), guardada);
    int actualizaciones = 0;
    for (const QString& texto : agenda->traza())
        actualizaciones += texto.startsWith(QLatin1String("UPDATE")) ? 1 : 0;
    QCOMPARE(actualizaciones, 1);
    // A day load shows it back as stored.
    agenda->ventana().CargarDia();
    QCOMPARE(grid().TextMatrix(1, 1), guardada);
}

AGENDA_PRUEBA(TstEntradaHostil)
#include "tst_entradahostil.moc"
