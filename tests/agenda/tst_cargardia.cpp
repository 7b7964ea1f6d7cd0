#include "AgendaDePrueba.h"
#include "agenda/ColoresAgenda.h"
#include "agenda/FrmMVAgenda.h"
#include "platform/ui/MSFlexGrid.h"
#include "platform/ui/MonthView.h"

#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include <memory>

// The day load on a prepared day: what each grid row holds, how its note cell is coloured, where the
// grid scrolls, and the exact texts sent to the database.
class TstCargarDia : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data();
    void init();
    void cleanup();
    void franjasDelDia_data();
    void franjasDelDia();
    void columnasYEtiqueta();
    void diaSinFranjas();
    void horarioIlegibleCuentaComoPorDefecto_data();
    void horarioIlegibleCuentaComoPorDefecto();
    void desplazaALaPrimeraFranjaDelHorario_data();
    void desplazaALaPrimeraFranjaDelHorario();
    void cadaCargaDesplazaComoLaPrimera_data();
    void cadaCargaDesplazaComoLaPrimera();
    void filaActualEsLaDelReinicio();
    void franjasEnOrdenDeHora_data();
    void franjasEnOrdenDeHora();
    void sentenciasEnviadas_data();
    void sentenciasEnviadas();

private:
    void preparaDia();
    [[nodiscard]] QStringList trazaSinConfiguracion() const;
    std::unique_ptr<AgendaDePrueba> agenda;
};

namespace {
const QDate Hoy(2025, 3, 5);
const ColoresAgenda Colores;
} // namespace

void TstCargarDia::initTestCase_data()
{
    AgregaMotores();
}

void TstCargarDia::init()
{
    REQUIERE_MOTOR();
    agenda = std::make_unique<AgendaDePrueba>(false, QDate(2025, 3, 5), MotorActual());
    agenda->configura(QStringLiteral("HorarioAtencionDesde"), QStringLiteral("9:00"));
    agenda->configura(QStringLiteral("HorarioAtencionHasta"), QStringLiteral("18:00"));
}

void TstCargarDia::cleanup()
{
    agenda.reset();
}

void TstCargarDia::preparaDia()
{
    agenda->ejecuta(QStringLiteral("INSERT INTO MV_PROCESOSBUSQUEDA (ID, Puesto) VALUES (1, 'Contable')"));
    agenda->ejecuta(QStringLiteral("INSERT INTO MA_CANDIDATOS (ID, Nombre) VALUES (1, 'Ana')"));
    agenda->ejecuta(QStringLiteral(
        "INSERT INTO MV_ENTREVISTAS (ID, IdProcesoBusqueda, IdCandidato, Realizada) VALUES (10, 1, 1, 0)"));
    agenda->ejecuta(QStringLiteral(
        "INSERT INTO MV_ENTREVISTAS (ID, IdProcesoBusqueda, IdCandidato, Realizada) VALUES (11, 1, 1, 1)"));
    agenda->ejecuta(QStringLiteral(
        "INSERT INTO MV_ENTREVISTAS (ID, IdProcesoBusqueda, IdCandidato, Realizada) VALUES (12, 1, 1, 0)"));
    agenda->ejecuta(QStringLiteral("INSERT INTO MV_EVALUACIONES (ID, IdCandidato, Realizada) VALUES (20, 1, 0)"));
    agenda->ejecuta(QStringLiteral("INSERT INTO MV_EVALUACIONES (ID, IdCandidato, Realizada) VALUES (21, 1, 1)"));
    agenda->franja(QStringLiteral("08:30"), 0, 0, QStringLiteral("temprano"));
    agenda->franja(QStringLiteral("09:00"), 0, 0, QStringLiteral("  con blancos  "));
    agenda->franja(QStringLiteral("10:00"), 1, 10);
    agenda->franja(QStringLiteral("11:00"), 0, 20);
    agenda->franja(QStringLiteral("12:00"), 1, 11);
    agenda->franja(QStringLiteral("13:00"), 0, 21);
    agenda->franja(QStringLiteral("14:00"), 1, 0, QStringLiteral("solo proceso"));
    agenda->franja(QStringLiteral("18:00"));
    agenda->franja(QStringLiteral("18:30"), 0, 0, QStringLiteral("O'Brien"));
    agenda->franja(QStringLiteral("19:00"), 1, 12);
    agenda->franja(QStringLiteral("19:30"), 1, 11);
}

QStringList TstCargarDia::trazaSinConfiguracion() const
{
    QStringList textos;
    for (const QString& texto : agenda->traza())
        if (!texto.contains(QLatin1String("TA_CONFIGURACION"), Qt::CaseInsensitive))
            textos << texto;
    return textos;
}

void TstCargarDia::franjasDelDia_data()
{
    QTest::addColumn<int>("fila");
    QTest::addColumn<QStringList>("textos"); // columns 0 to 5, the key left out
    QTest::addColumn<ColorOle>("color");

    const auto fila = [](const char* nombre, int i, QStringList textos, ColorOle color) {
        QTest::newRow(nombre) << i << textos << color;
    };
    fila("before working hours", 0, {"08:30", "temprano", "", "", ""}, Colores.horariosNoLaborales);
    fila("start of working hours, note with blanks", 1, {"09:00", "  con blancos  ", "", "", ""},
         Colores.horariosLaborales);
    fila("pending interview", 2, {"10:00", "", "1", "10", "-1"}, Colores.entrevistas);
    fila("pending evaluation", 3, {"11:00", "", "", "20", "-1"}, Colores.evaluaciones);
    fila("interview done", 4, {"12:00", "", "1", "11", "0"}, Colores.realizadas);
    fila("evaluation done", 5, {"13:00", "", "", "21", "0"}, Colores.realizadas);
    fila("search process without interview is free", 6, {"14:00", "solo proceso", "1", "", ""},
         Colores.horariosLaborales);
    fila("end of working hours", 7, {"18:00", "", "", "", ""}, Colores.horariosLaborales);
    fila("after working hours, quote in note", 8, {"18:30", "O'Brien", "", "", ""}, Colores.horariosNoLaborales);
    fila("pending interview after hours", 9, {"19:00", "", "1", "12", "-1"}, Colores.entrevistas);
    fila("done after hours", 10, {"19:30", "", "1", "11", "0"}, Colores.realizadas);
}

void TstCargarDia::franjasDelDia()
{
    QFETCH(int, fila);
    QFETCH(QStringList, textos);
    QFETCH(ColorOle, color);
    preparaDia();
    agenda->muestraDia(Hoy);
    MSFlexGrid& grid = agenda->ventana().MSFGAgenda();

    QCOMPARE(grid.Rows(), 11);
    const QStringList vistos{grid.TextMatrix(fila, 0), grid.TextMatrix(fila, 1), grid.TextMatrix(fila, 2),
                             grid.TextMatrix(fila, 3), grid.TextMatrix(fila, 5)};
    QCOMPARE(vistos, textos);
    QCOMPARE(grid.TextMatrix(fila, 4).toInt(), fila + 1);
    QCOMPARE(grid.CellBackColorEn(fila, 1), color);
}

void TstCargarDia::columnasYEtiqueta()
{
    preparaDia();
    agenda->muestraDia(Hoy);
    const FrmMVAgenda& ventana = agenda->ventana();
    MSFlexGrid& grid = ventana.MSFGAgenda();
    QCOMPARE(ventana.LblMensaje().text(), QStringLiteral("Notas del Día: 5/3/2025"));
    QCOMPARE(grid.Cols(), 6);
    const QFontMetrics medidas(ventana.font());
    QCOMPARE(grid.columnWidth(0), medidas.horizontalAdvance(QStringLiteral("XXXXX")));
    QCOMPARE(grid.columnWidth(1), medidas.horizontalAdvance(QString(50, QLatin1Char('X'))));
    for (int columna = 2; columna <= 5; ++columna)
        QCOMPARE(grid.ColWidth(columna), 0);
}

void TstCargarDia::diaSinFranjas()
{
    // A database whose slot procedure creates nothing for the day.
    agenda->ejecuta(
        MotorActual() == Motor::SQLite
            ? QStringLiteral("DELETE FROM KQ_PROCEDIMIENTOS")
            : QStringLiteral("CREATE OR REPLACE PROCEDURE KQ_CREARAGENDA(fecha timestamp, minutos integer DEFAULT 30) "
                             "LANGUAGE plpgsql AS $$ BEGIN END $$"));
    preparaDia();
    agenda->muestraDia(QDate(2025, 3, 6));
    MSFlexGrid& grid = agenda->ventana().MSFGAgenda();
    QCOMPARE(agenda->ventana().LblMensaje().text(), QStringLiteral("Notas del Día: 6/3/2025"));
    QCOMPARE(grid.Rows(), 2);
    for (int fila = 0; fila < 2; ++fila)
        for (int columna = 0; columna < 6; ++columna)
            QCOMPARE(grid.TextMatrix(fila, columna), QString());
}

void TstCargarDia::horarioIlegibleCuentaComoPorDefecto_data()
{
    QTest::addColumn<QVariant>("desde");
    QTest::addColumn<QVariant>("hasta");
    QTest::addColumn<QList<bool>>("dentro"); // 08:30, 09:00, 18:00, 18:30, 19:00

    QTest::newRow("claves ausentes") << QVariant() << QVariant() << QList<bool>{false, true, true, false, false};
    QTest::newRow("palabras") << QVariant("nueve") << QVariant("seis") << QList<bool>{false, true, true, false, false};
    QTest::newRow("fuera de rango") << QVariant("25:00") << QVariant("18:99")
                                    << QList<bool>{false, true, true, false, false};
    QTest::newRow("cero delante y segundos")
        << QVariant("08:30:00") << QVariant(" 19:00 ") << QList<bool>{true, true, true, true, true};
}

void TstCargarDia::horarioIlegibleCuentaComoPorDefecto()
{
    QFETCH(QVariant, desde);
    QFETCH(QVariant, hasta);
    QFETCH(QList<bool>, dentro);
    agenda->ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION"));
    if (desde.isValid())
        agenda->configura(QStringLiteral("HorarioAtencionDesde"), desde);
    if (hasta.isValid())
        agenda->configura(QStringLiteral("HorarioAtencionHasta"), hasta);
    for (const char* hora : {"08:30", "09:00", "18:00", "18:30", "19:00"})
        agenda->franja(QString::fromLatin1(hora));
    agenda->muestraDia(Hoy);
    MSFlexGrid& grid = agenda->ventana().MSFGAgenda();
    for (int fila = 0; fila < dentro.size(); ++fila) {
        const ColorOle esperado = dentro.at(fila) ? Colores.horariosLaborales : Colores.horariosNoLaborales;
        QCOMPARE(grid.CellBackColorEn(fila, 1), esperado);
    }
}

void TstCargarDia::desplazaALaPrimeraFranjaDelHorario_data()
{
    QTest::addColumn<QString>("desde");
    QTest::addColumn<int>("filaSuperior");

    // The demo day has a slot every 30 minutes from 07:00.
    QTest::newRow("primera franja del horario arriba") << QStringLiteral("9:00") << 4;
    QTest::newRow("todas las franjas fuera del horario") << QStringLiteral("23:00") << 0;
}

void TstCargarDia::desplazaALaPrimeraFranjaDelHorario()
{
    QFETCH(QString, desde);
    QFETCH(int, filaSuperior);
    agenda.reset();
    agenda = std::make_unique<AgendaDePrueba>(true, QDate(2025, 3, 5), MotorActual());
    agenda->configura(QStringLiteral("HorarioAtencionDesde"), desde);
    agenda->muestraDia(Hoy);
    MSFlexGrid& grid = agenda->ventana().MSFGAgenda();
    QVERIFY(grid.Rows() > 20);
    QTRY_COMPARE(grid.rowAt(0), filaSuperior);
    QCOMPARE(grid.TopRow(), filaSuperior);
}

void TstCargarDia::cadaCargaDesplazaComoLaPrimera_data()
{
    QTest::addColumn<QDate>("segundoDia");
    QTest::addColumn<int>("filas");
    QTest::addColumn<int>("filaSuperior");

    QTest::newRow("el mismo día otra vez") << Hoy << 28 << 4;
    // Three slots fit without scrolling; reading the old top row used to fail with error 30009.
    QTest::newRow("un día largo y luego uno corto") << Hoy.addDays(10) << 3 << 0;
}

void TstCargarDia::cadaCargaDesplazaComoLaPrimera()
{
    // The person scrolls the loaded day, then clicks a date: the new day opens at working hours again.
    QFETCH(QDate, segundoDia);
    QFETCH(int, filas);
    QFETCH(int, filaSuperior);
    agenda.reset();
    agenda = std::make_unique<AgendaDePrueba>(true, QDate(2025, 3, 5), MotorActual());
    for (const char* hora : {"08:30", "09:00", "10:00"})
        agenda->ejecuta(QStringLiteral("INSERT INTO MV_AGENDA (FECHA) VALUES ('%1 %2:00')")
                            .arg(Hoy.addDays(10).toString(Qt::ISODate), QLatin1String(hora)));
    agenda->muestraDia(Hoy);
    MSFlexGrid& grid = agenda->ventana().MSFGAgenda();
    QTRY_COMPARE(grid.rowAt(0), 4);
    const int alFinal = grid.verticalScrollBar()->maximum();
    QVERIFY(alFinal > 4);
    grid.verticalScrollBar()->setValue(alFinal);
    QCOMPARE(grid.TopRow(), alFinal);

    agenda->dialogos().limpia();
    MonthView& calendario = agenda->ventana().MonthView1();
    calendario.setValue(segundoDia);
    emit calendario.DateClick(calendario.Value());
    QVERIFY(agenda->dialogos().registros().isEmpty());
    QCOMPARE(grid.Rows(), filas);
    QCOMPARE(grid.TopRow(), filaSuperior);
    QTRY_COMPARE(grid.rowAt(0), filaSuperior);
}

void TstCargarDia::filaActualEsLaDelReinicio()
{
    // The row current before the load does not survive it: the reset to two rows leaves row 1.
    preparaDia();
    agenda->muestraDia(Hoy);
    MSFlexGrid& grid = agenda->ventana().MSFGAgenda();
    grid.setRow(7);
    agenda->ventana().CargarDia();
    QCOMPARE(grid.Row(), 1);
    QCOMPARE(grid.Col(), 1);
}

void TstCargarDia::franjasEnOrdenDeHora_data()
{
    QTest::addColumn<QStringList>("editadas"); // slots whose note is edited after they were created

    QTest::newRow("notas de la mañana editadas") << QStringList{"07:00", "07:30", "08:00", "09:00"};
    QTest::newRow("notas editadas de la última a la primera") << QStringList{"20:30", "15:00", "11:30", "07:00"};
}

void TstCargarDia::franjasEnOrdenDeHora()
{
    // A server returns rows in the order its plan reads them: an edited row moves to the end of its
    // table, and fresh statistics change the plan. The day must still read in time order.
    QFETCH(QStringList, editadas);
    agenda.reset();
    agenda = std::make_unique<AgendaDePrueba>(true, Hoy, MotorActual());
    for (const QString& hora : editadas)
        agenda->ejecuta(QStringLiteral("UPDATE MV_AGENDA SET Mensaje = 'editada' WHERE FECHA = '%1 %2:00'")
                            .arg(Hoy.toString(Qt::ISODate), hora));
    if (MotorActual() == Motor::PostgreSQL)
        agenda->ejecuta(QStringLiteral("ANALYZE MV_AGENDA"));
    agenda->muestraDia(Hoy);
    MSFlexGrid& grid = agenda->ventana().MSFGAgenda();
    QStringList horas;
    for (int fila = 0; fila < grid.Rows(); ++fila)
        horas << grid.TextMatrix(fila, 0);
    QStringList ordenadas = horas;
    ordenadas.sort();
    QCOMPARE(horas.size(), 28);
    QCOMPARE(horas, ordenadas);
}

void TstCargarDia::sentenciasEnviadas_data()
{
    QTest::addColumn<QVariant>("minutos");
    QTest::addColumn<QString>("creacion");

    QTest::newRow("duración de la franja") << QVariant("15") << QStringLiteral("EXEC KQ_CREARAGENDA '05/03/2025', 15");
    QTest::newRow("duración de la franja con un blanco delante")
        << QVariant(" 20") << QStringLiteral("EXEC KQ_CREARAGENDA '05/03/2025',  20");
    QTest::newRow("duración de la franja cero") << QVariant("0") << QStringLiteral("EXEC KQ_CREARAGENDA '05/03/2025'");
    QTest::newRow("duración de la franja vacía") << QVariant("") << QStringLiteral("EXEC KQ_CREARAGENDA '05/03/2025'");
    QTest::newRow("duración de la franja que no es un número")
        << QVariant("abc") << QStringLiteral("EXEC KQ_CREARAGENDA '05/03/2025'");
    QTest::newRow("sin duración de la franja") << QVariant() << QStringLiteral("EXEC KQ_CREARAGENDA '05/03/2025'");
}

void TstCargarDia::sentenciasEnviadas()
{
    QFETCH(QVariant, minutos);
    QFETCH(QString, creacion);
    if (minutos.isValid())
        agenda->configura(QStringLiteral("MinutosAgenda"), minutos);
    preparaDia();
    agenda->limpiaTraza();
    agenda->muestraDia(Hoy);
    const QStringList esperadas{
        creacion,
        QStringLiteral(
            "SELECT * FROM MV_AGENDA WHERE FECHA BETWEEN '5/3/2025' AND '5/3/2025 23:59' ORDER BY FECHA, ID"),
        QStringLiteral("SELECT ID FROM P_EntrevistasPendientes WHERE ID = 10"),
        QStringLiteral("SELECT ID FROM P_EvaluacionesPendientes WHERE ID = 20"),
        QStringLiteral("SELECT ID FROM P_EntrevistasPendientes WHERE ID = 11"),
        QStringLiteral("SELECT ID FROM P_EvaluacionesPendientes WHERE ID = 21"),
        QStringLiteral("SELECT ID FROM P_EntrevistasPendientes WHERE ID = 12"),
        QStringLiteral("SELECT ID FROM P_EntrevistasPendientes WHERE ID = 11"),
    };
    QCOMPARE(trazaSinConfiguracion(), esperadas);
}

AGENDA_PRUEBA(TstCargarDia)
#include "tst_cargardia.moc"
