#include "AgendaDePrueba.h"
#include "agenda/FrmMVAgenda.h"
#include "platform/ui/MSFlexGrid.h"
#include "platform/ui/MonthView.h"
#include "platform/ui/TextBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <functional>
#include <memory>

// The note editor driven as a person drives it: clicks, double clicks and keys on the real window.
// The day: 09:00 free "primera", 10:00 interview, 11:00 evaluation, 12:00 free and empty,
// 13:00 free "última" (keys 1 to 5).
class TstEditorNotas : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data();
    void init();
    void cleanup();
    void abrirElEditor_data();
    void abrirElEditor();
    void teclasDeCierre_data();
    void teclasDeCierre();
    void escapeNoGuardaNada();
    void salirDelEditorSinTeclaGuarda_data();
    void salirDelEditorSinTeclaGuarda();
    void notaNoGuardadaNoSeMuestra_data();
    void notaNoGuardadaNoSeMuestra();
    void notaCambiadaPorOtroPuesto_data();
    void notaCambiadaPorOtroPuesto();
    void errorAlAbrirElEditor_data();
    void errorAlAbrirElEditor();

private:
    // Types a text key by key, letters outside ASCII included.
    static void teclea(QWidget* destino, const QString& texto);
    void pulsa(int fila);
    [[nodiscard]] QStringList actualizaciones() const;
    [[nodiscard]] QString notaGuardada(int id);
    [[nodiscard]] MSFlexGrid& grid() { return agenda->ventana().MSFGAgenda(); }
    [[nodiscard]] TextBox& editor() { return agenda->ventana().TxtEdit(); }
    std::unique_ptr<AgendaDePrueba> agenda;
};

void TstEditorNotas::initTestCase_data()
{
    AgregaMotores();
}

void TstEditorNotas::init()
{
    REQUIERE_MOTOR();
    agenda = std::make_unique<AgendaDePrueba>(false, QDate(2025, 3, 5), MotorActual());
    agenda->ejecuta(QStringLiteral("INSERT INTO MV_PROCESOSBUSQUEDA (ID, Puesto) VALUES (1, 'Contable')"));
    agenda->ejecuta(QStringLiteral("INSERT INTO MA_CANDIDATOS (ID, Nombre) VALUES (1, 'Ana')"));
    agenda->ejecuta(
        QStringLiteral("INSERT INTO MV_ENTREVISTAS (ID, IdProcesoBusqueda, IdCandidato) VALUES (10, 1, 1)"));
    agenda->ejecuta(QStringLiteral("INSERT INTO MV_EVALUACIONES (ID, IdCandidato) VALUES (20, 1)"));
    agenda->franja(QStringLiteral("09:00"), 0, 0, QStringLiteral("primera"));
    agenda->franja(QStringLiteral("10:00"), 1, 10);
    agenda->franja(QStringLiteral("11:00"), 0, 20);
    agenda->franja(QStringLiteral("12:00"));
    agenda->franja(QStringLiteral("13:00"), 0, 0, QStringLiteral("última"));
    agenda->muestraDia(QDate(2025, 3, 5));
    QCOMPARE(grid().Rows(), 5);
    agenda->limpiaTraza();
}

void TstEditorNotas::cleanup()
{
    agenda.reset();
}

void TstEditorNotas::teclea(QWidget* destino, const QString& texto)
{
    for (const QChar caracter : texto) {
        if (caracter.unicode() < 128) {
            QTest::keyClick(destino, caracter.toLatin1());
            continue;
        }
        QKeyEvent pulsada(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(caracter));
        QApplication::sendEvent(destino, &pulsada);
        QKeyEvent soltada(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(caracter));
        QApplication::sendEvent(destino, &soltada);
    }
}

void TstEditorNotas::pulsa(int fila)
{
    const QPoint centro = grid().visualRect(grid().model()->index(fila, 1)).center();
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, centro);
}

QStringList TstEditorNotas::actualizaciones() const
{
    QStringList textos;
    for (const QString& texto : agenda->traza())
        if (texto.startsWith(QLatin1String("UPDATE")))
            textos << texto;
    return textos;
}

QString TstEditorNotas::notaGuardada(int id)
{
    return agenda->valor(QStringLiteral("SELECT Mensaje FROM MV_AGENDA WHERE ID = %1").arg(id)).toString();
}

void TstEditorNotas::abrirElEditor_data()
{
    QTest::addColumn<int>("fila");
    QTest::addColumn<int>("tecla"); // 0: double click
    QTest::addColumn<bool>("abierto");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("cursor");

    QTest::newRow("doble clic en una franja libre") << 0 << 0 << true << QStringLiteral("primera") << 7;
    QTest::newRow("doble clic en una entrevista") << 1 << 0 << false << QString() << 0;
    QTest::newRow("doble clic en una evaluación") << 2 << 0 << false << QString() << 0;
    QTest::newRow("una letra en una franja libre reemplaza la nota")
        << 0 << int(Qt::Key_B) << true << QStringLiteral("b") << 1;
    QTest::newRow("intro en una franja libre edita la nota")
        << 4 << int(Qt::Key_Return) << true << QStringLiteral("última") << 6;
    QTest::newRow("blanco en una franja vacía") << 3 << int(Qt::Key_Space) << true << QString() << 0;
    QTest::newRow("letra en una entrevista") << 1 << int(Qt::Key_B) << false << QString() << 0;
}

void TstEditorNotas::abrirElEditor()
{
    QFETCH(int, fila);
    QFETCH(int, tecla);
    QFETCH(bool, abierto);
    QFETCH(QString, texto);
    QFETCH(int, cursor);
    if (tecla == 0) {
        agenda->dobleClic(fila);
    } else {
        pulsa(fila);
        QTest::keyClick(&grid(), Qt::Key(tecla));
    }
    QCOMPARE(editor().isVisible(), abierto);
    if (!abierto)
        return;
    QCOMPARE(editor().text(), texto);
    QCOMPARE(editor().SelStart(), cursor);
    QVERIFY(editor().hasFocus());
    QCOMPARE(editor().DataField(), QStringLiteral("1"));
    // The editor lies over the visible part of the note cell, never past the grid's visible cells.
    const QRect celda = grid().visualRect(grid().model()->index(fila, 1)).intersected(grid().viewport()->rect());
    const QPoint esquina = grid().viewport()->mapTo(&agenda->ventana(), celda.topLeft());
    QVERIFY2(qAbs(editor().x() - esquina.x()) <= 1 && qAbs(editor().y() - esquina.y()) <= 1,
             qPrintable(QStringLiteral("editor at %1,%2; cell at %3,%4")
                            .arg(editor().x())
                            .arg(editor().y())
                            .arg(esquina.x())
                            .arg(esquina.y())));
    QVERIFY(qAbs(editor().width() - celda.width()) <= 1);
    const QRect visible(grid().viewport()->mapTo(&agenda->ventana(), QPoint(0, 0)), grid().viewport()->size());
    QVERIFY2(
        visible.contains(editor().geometry()),
        qPrintable(
            QStringLiteral("editor %1 px wide, %2 px visible").arg(editor().geometry().right()).arg(visible.right())));
}

void TstEditorNotas::teclasDeCierre_data()
{
    QTest::addColumn<int>("fila");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("filaFinal");
    QTest::addColumn<QString>("nota");

    QTest::newRow("intro guarda y baja") << 0 << QStringLiteral(" más") << int(Qt::Key_Return) << 1
                                         << QStringLiteral("primera más");
    QTest::newRow("intro en la última fila se queda")
        << 4 << QStringLiteral("!") << int(Qt::Key_Return) << 4 << QStringLiteral("última!");
    QTest::newRow("arriba en la fila 0 se queda")
        << 0 << QStringLiteral("?") << int(Qt::Key_Up) << 0 << QStringLiteral("primera?");
    QTest::newRow("arriba sube") << 3 << QStringLiteral("x") << int(Qt::Key_Up) << 2 << QStringLiteral("x");
    QTest::newRow("abajo en la última fila se queda")
        << 4 << QStringLiteral(".") << int(Qt::Key_Down) << 4 << QStringLiteral("última.");
    QTest::newRow("abajo baja") << 3 << QStringLiteral("y") << int(Qt::Key_Down) << 4 << QStringLiteral("y");
    QTest::newRow("comilla en la nota") << 3 << QStringLiteral("O'Brien") << int(Qt::Key_Return) << 4
                                        << QStringLiteral("O'Brien");
    QTest::newRow("se quitan los blancos alrededor de la nota")
        << 3 << QStringLiteral("  hola  ") << int(Qt::Key_Return) << 4 << QStringLiteral("hola");
    QTest::newRow("texto que parece una fecha")
        << 3 << QStringLiteral("05/03/2025") << int(Qt::Key_Return) << 4 << QStringLiteral("05/03/2025");
}

void TstEditorNotas::teclasDeCierre()
{
    QFETCH(int, fila);
    QFETCH(QString, tecleado);
    QFETCH(int, tecla);
    QFETCH(int, filaFinal);
    QFETCH(QString, nota);
    agenda->dobleClic(fila);
    QVERIFY(editor().isVisible());
    teclea(&editor(), tecleado);
    QTest::keyClick(&editor(), Qt::Key(tecla));

    QTRY_VERIFY(!editor().isVisible());
    QCOMPARE(grid().Row(), filaFinal);
    QCOMPARE(grid().Col(), 1);
    QCOMPARE(grid().TextMatrix(fila, 1), nota);
    QCOMPARE(notaGuardada(fila + 1), nota);
    QString escapada = nota;
    escapada.replace(QLatin1Char('\''), QLatin1String("''"));
    QCOMPARE(
        actualizaciones(),
        QStringList{QStringLiteral("UPDATE MV_AGENDA SET MENSAJE = '%1' WHERE ID = %2").arg(escapada).arg(fila + 1)});
    QVERIFY(grid().hasFocus());
}

void TstEditorNotas::escapeNoGuardaNada()
{
    agenda->dobleClic(0);
    teclea(&editor(), QStringLiteral(" descartado"));
    QTest::keyClick(&editor(), Qt::Key_Escape);
    QVERIFY(!editor().isVisible());
    QCOMPARE(grid().TextMatrix(0, 1), QStringLiteral("primera"));
    QCOMPARE(grid().Row(), 0);
    QVERIFY(actualizaciones().isEmpty());
    // Leaving the cell afterwards saves nothing either.
    pulsa(3);
    QVERIFY(actualizaciones().isEmpty());
    QCOMPARE(notaGuardada(1), QStringLiteral("primera"));
}

void TstEditorNotas::salirDelEditorSinTeclaGuarda_data()
{
    QTest::addColumn<std::function<void(TstEditorNotas*)>>("salida");
    QTest::addColumn<bool>("gridVisible");
    QTest::addColumn<bool>("rechazada");

    const std::function<void(TstEditorNotas*)> otraCelda = [](TstEditorNotas* t) { t->pulsa(3); };
    const std::function<void(TstEditorNotas*)> cierre = [](TstEditorNotas* t) { t->agenda->ventana().close(); };
    const std::function<void(TstEditorNotas*)> fecha = [](TstEditorNotas* t) {
        MonthView& calendario = t->agenda->ventana().MonthView1();
        emit calendario.DateClick(calendario.Value());
    };
    QTest::newRow("clic en otra celda") << otraCelda << true << false;
    QTest::newRow("cierre de la ventana") << cierre << false << false;
    QTest::newRow("clic en una fecha") << fecha << true << false;
    // A note the database refuses is not lost on the way out: its editor opens again, the window stays.
    QTest::newRow("clic en otra celda, nota rechazada") << otraCelda << true << true;
    QTest::newRow("cierre de la ventana, nota rechazada") << cierre << true << true;
    QTest::newRow("clic en una fecha, nota rechazada") << fecha << true << true;
}

void TstEditorNotas::salirDelEditorSinTeclaGuarda()
{
    QFETCH(std::function<void(TstEditorNotas*)>, salida);
    QFETCH(bool, gridVisible);
    QFETCH(bool, rechazada);
    agenda->dobleClic(0);
    teclea(&editor(), QStringLiteral(" guardada"));
    if (rechazada) {
        agenda->ejecuta(
            MotorActual() == Motor::SQLite
                ? QStringLiteral("CREATE TRIGGER NoNotas BEFORE UPDATE ON MV_AGENDA BEGIN SELECT RAISE(ABORT, 'notas "
                                 "bloqueadas'); END")
                : QStringLiteral("ALTER TABLE MV_AGENDA ADD CONSTRAINT NoNotas CHECK (Mensaje NOT LIKE '%guardada')"));
    }
    salida(this);
    QCOMPARE(agenda->ventana().isVisible(), gridVisible);
    if (rechazada) {
        QTRY_VERIFY(editor().isVisible());
        QCOMPARE(editor().text(), QStringLiteral("primera guardada"));
        QVERIFY(editor().hasFocus());
        QCOMPARE(grid().Row(), 0);
        QCOMPARE(grid().Rows(), 5);
        QCOMPARE(grid().TextMatrix(0, 1), QStringLiteral("primera"));
        QCOMPARE(notaGuardada(1), QStringLiteral("primera"));
        QVERIFY(
            agenda->dialogos().registros().last().texto.startsWith(QStringLiteral("La nota no se ha podido guardar")));
        return;
    }
    QVERIFY(!editor().isVisible());
    QCOMPARE(notaGuardada(1), QStringLiteral("primera guardada"));
    QCOMPARE(actualizaciones(),
             QStringList{QStringLiteral("UPDATE MV_AGENDA SET MENSAJE = 'primera guardada' WHERE ID = 1")});
    QCOMPARE(grid().TextMatrix(0, 1), QStringLiteral("primera guardada"));
}

void TstEditorNotas::notaNoGuardadaNoSeMuestra_data()
{
    QTest::addColumn<QString>("sabotaje");
    QTest::addColumn<QString>("sabotajeEnServidor");

    const QString borrada = QStringLiteral("DELETE FROM MV_AGENDA WHERE ID = 1");
    QTest::newRow("franja borrada entretanto") << borrada << borrada;
    QTest::newRow("sentencia rechazada")
        << QStringLiteral(
               "CREATE TRIGGER NoNotas BEFORE UPDATE ON MV_AGENDA BEGIN SELECT RAISE(ABORT, 'notas bloqueadas'); END")
        << QStringLiteral("ALTER TABLE MV_AGENDA ADD CONSTRAINT NoNotas CHECK (Mensaje NOT LIKE '%perdida')");
}

void TstEditorNotas::notaNoGuardadaNoSeMuestra()
{
    QFETCH(QString, sabotaje);
    QFETCH(QString, sabotajeEnServidor);
    agenda->dobleClic(0);
    teclea(&editor(), QStringLiteral(" perdida"));
    agenda->ejecuta(MotorActual() == Motor::SQLite ? sabotaje : sabotajeEnServidor);
    agenda->dialogos().limpia();
    QTest::keyClick(&editor(), Qt::Key_Return);

    // Not shown as stored, and not lost: the typed note stays in the editor, where Escape drops it.
    QCOMPARE(grid().TextMatrix(0, 1), QStringLiteral("primera"));
    QVERIFY(editor().isVisible());
    QCOMPARE(editor().text(), QStringLiteral("primera perdida"));
    QCOMPARE(grid().Row(), 0);
    const auto& registros = agenda->dialogos().registros();
    QVERIFY(!registros.isEmpty());
    QVERIFY2(registros.last().texto.startsWith(QStringLiteral("La nota no se ha podido guardar: ")),
             qPrintable(registros.last().texto));
    QCOMPARE(registros.last().titulo, QStringLiteral("Agenda"));
    QTest::keyClick(&editor(), Qt::Key_Escape);
    QVERIFY(!editor().isVisible());
    QCOMPARE(grid().TextMatrix(0, 1), QStringLiteral("primera"));
}

void TstEditorNotas::notaCambiadaPorOtroPuesto_data()
{
    QTest::addColumn<int>("respuesta");
    QTest::addColumn<QString>("queda");
    QTest::newRow("sí guarda la nota de este puesto") << int(Msg::Si) << QStringLiteral("primera mía");
    QTest::newRow("no conserva la nota del otro puesto") << int(Msg::No) << QStringLiteral("PRIMERA de otro puesto");
}

// Another desk changed the note (case only, too) after this one loaded the day: never overwritten silently.
void TstEditorNotas::notaCambiadaPorOtroPuesto()
{
    QFETCH(int, respuesta);
    QFETCH(QString, queda);
    agenda->dobleClic(0);
    teclea(&editor(), QStringLiteral(" mía"));
    agenda->ejecuta(QStringLiteral("UPDATE MV_AGENDA SET Mensaje = 'PRIMERA de otro puesto' WHERE ID = 1"));
    agenda->dialogos().limpia();
    agenda->dialogos().responde(respuesta);
    QTest::keyClick(&editor(), Qt::Key_Return);

    QTRY_VERIFY(!editor().isVisible());
    const auto& registros = agenda->dialogos().registros();
    QCOMPARE(registros.size(), 1);
    QVERIFY2(registros.first().texto.contains(QStringLiteral("Otro puesto ha cambiado esta nota")),
             qPrintable(registros.first().texto));
    QVERIFY(registros.first().texto.contains(QStringLiteral("PRIMERA de otro puesto")));
    QCOMPARE(notaGuardada(1), queda);
    QCOMPARE(grid().TextMatrix(0, 1), queda);
}

void TstEditorNotas::errorAlAbrirElEditor_data()
{
    QTest::addColumn<bool>("conTecla");
    QTest::addColumn<bool>("informado");

    QTest::newRow("una tecla lo avisa") << true << true;
    QTest::newRow("un doble clic no dice nada") << false << false;
}

void TstEditorNotas::errorAlAbrirElEditor()
{
    // A grid without the id columns makes the opening fail while reading them (invalid column).
    QFETCH(bool, conTecla);
    QFETCH(bool, informado);
    grid().setCols(2);
    agenda->dialogos().limpia();
    if (conTecla) {
        pulsa(0);
        QTest::keyClick(&grid(), Qt::Key_B);
    } else {
        agenda->dobleClic(0);
    }
    QVERIFY(!editor().isVisible());
    const auto& registros = agenda->dialogos().registros();
    QCOMPARE(registros.size(), informado ? 1 : 0);
    if (informado) {
        QCOMPARE(registros.first().tipo, DialogosGuionados::Tipo::Error);
        QCOMPARE(registros.first().numero, 30010);
        QCOMPARE(registros.first().contexto, QStringLiteral("MSFGAgenda_KeyPress"));
    }
}

AGENDA_PRUEBA(TstEditorNotas)
#include "tst_editornotas.moc"
