#include "AgendaDePrueba.h"
#include "agenda/FrmMVAgenda.h"
#include "platform/ui/MSFlexGrid.h"
#include "platform/ui/MonthView.h"

#include <QLabel>
#include <QTest>

#include <memory>

// The window's start-up on a connected database: the texts it sends, the working hours it completes
// and the colours it takes from the configuration.
class TstCargaVentana : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data();
    void init();
    void cleanup();
    void sentenciasDeArranque_data();
    void sentenciasDeArranque();
    void horarioVacioSeCompleta_data();
    void horarioVacioSeCompleta();
    void coloresConfigurados_data();
    void coloresConfigurados();

private:
    [[nodiscard]] QStringList trazaDeAgenda() const;
    std::unique_ptr<AgendaDePrueba> agenda;
};

void TstCargaVentana::initTestCase_data()
{
    AgregaMotores();
}

void TstCargaVentana::init()
{
    REQUIERE_MOTOR();
    agenda = std::make_unique<AgendaDePrueba>(false, QDate(2025, 3, 5), MotorActual());
}

void TstCargaVentana::cleanup()
{
    agenda.reset();
}

QStringList TstCargaVentana::trazaDeAgenda() const
{
    QStringList textos;
    for (const QString& texto : agenda->traza())
        if (texto.contains(QLatin1String("AGENDA"), Qt::CaseInsensitive)
            && !texto.contains(QLatin1String("TA_CONFIGURACION"), Qt::CaseInsensitive))
            textos << texto;
    return textos;
}

void TstCargaVentana::sentenciasDeArranque_data()
{
    QTest::addColumn<QStringList>("horas");
    QTest::addColumn<int>("creaciones");

    QTest::newRow("franja a medianoche: se crea una vez") << QStringList{"00:00", "09:00"} << 1;
    QTest::newRow("sin franja a medianoche: se crea dos veces") << QStringList{"07:00", "09:00"} << 2;
    QTest::newRow("día sin franjas: se crea dos veces") << QStringList{} << 2;
}

void TstCargaVentana::sentenciasDeArranque()
{
    QFETCH(QStringList, horas);
    QFETCH(int, creaciones);
    agenda->configura(QStringLiteral("MinutosAgenda"), QStringLiteral("30"));
    for (const QString& hora : horas)
        agenda->franja(hora);
    agenda->limpiaTraza();
    agenda->ventana().Form_Load();

    QStringList esperadas{QStringLiteral("SELECT * FROM MV_Agenda WHERE FECHA = '05/03/2025'")};
    for (int i = 0; i < creaciones; ++i)
        esperadas << QStringLiteral("EXEC KQ_CREARAGENDA '05/03/2025', 30");
    esperadas << QStringLiteral(
        "SELECT * FROM MV_AGENDA WHERE FECHA BETWEEN '5/3/2025' AND '5/3/2025 23:59' ORDER BY FECHA, ID");
    QCOMPARE(trazaDeAgenda(), esperadas);
    QCOMPARE(agenda->ventana().MonthView1().Value(), QDate(2025, 3, 5));
    QCOMPARE(agenda->ventana().LblMensaje().text(), QStringLiteral("Notas del Día: 5/3/2025"));
    QCOMPARE(agenda->ventana().MSFGAgenda().Rows(), horas.isEmpty() ? 28 : horas.size());
}

void TstCargaVentana::horarioVacioSeCompleta_data()
{
    QTest::addColumn<QVariant>("configurado"); // invalid: no row at all
    QTest::addColumn<QVariant>("desde");
    QTest::addColumn<QVariant>("hasta");

    QTest::newRow("filas sin valor toman los valores por defecto")
        << QVariant(QString()) << QVariant("9:00") << QVariant("18:00");
    QTest::newRow("filas con valores nulos toman los valores por defecto")
        << QVariant(QMetaType::fromType<QString>()) << QVariant("9:00") << QVariant("18:00");
    QTest::newRow("las claves ausentes siguen ausentes") << QVariant() << QVariant() << QVariant();
    QTest::newRow("se conservan las horas configuradas") << QVariant("8:00") << QVariant("8:00") << QVariant("8:00");
}

void TstCargaVentana::horarioVacioSeCompleta()
{
    QFETCH(QVariant, configurado);
    QFETCH(QVariant, desde);
    QFETCH(QVariant, hasta);
    if (configurado.isValid()) {
        agenda->configura(QStringLiteral("HorarioAtencionDesde"), configurado);
        agenda->configura(QStringLiteral("HorarioAtencionHasta"), configurado);
    }
    agenda->ventana().Form_Load();
    const auto lee = [this](const char* clave) {
        return agenda->valor(
            QStringLiteral("SELECT Valor FROM TA_CONFIGURACION WHERE Clave = '%1'").arg(QLatin1String(clave)));
    };
    QCOMPARE(lee("HorarioAtencionDesde"), desde);
    QCOMPARE(lee("HorarioAtencionHasta"), hasta);
    if (configurado.isValid() && configurado.toString().isEmpty())
        QCOMPARE(
            agenda->valor(QStringLiteral("SELECT Grupo FROM TA_CONFIGURACION WHERE Clave = 'HorarioAtencionDesde'")),
            QVariant("DATOS"));
}

void TstCargaVentana::coloresConfigurados_data()
{
    QTest::addColumn<QVariant>("configurado");
    QTest::addColumn<ColorOle>("color");

    QTest::newRow("color configurado") << QVariant("255") << ColorOle::Rgb(255, 0, 0);
    QTest::newRow("cero toma el valor por defecto") << QVariant("0") << ColoresAgenda::EntrevistasPorDefecto;
    QTest::newRow("vacío toma el valor por defecto") << QVariant("") << ColoresAgenda::EntrevistasPorDefecto;
    QTest::newRow("ausente toma el valor por defecto") << QVariant() << ColoresAgenda::EntrevistasPorDefecto;
    QTest::newRow("lo que no es un número toma el valor por defecto")
        << QVariant("rojo") << ColoresAgenda::EntrevistasPorDefecto;
}

void TstCargaVentana::coloresConfigurados()
{
    QFETCH(QVariant, configurado);
    QFETCH(ColorOle, color);
    if (configurado.isValid())
        agenda->configura(QStringLiteral("gColorEntrevistas"), configurado);
    agenda->ventana().Form_Load();
    ColoresAgenda esperados;
    esperados.entrevistas = color;
    QCOMPARE(agenda->ventana().Colores(), esperados);
}

AGENDA_PRUEBA(TstCargaVentana)
#include "tst_cargaventana.moc"
