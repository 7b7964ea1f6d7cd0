#include "runtime/Estacion.h"

#include <QApplication>
#include <QScreen>
#include <QSysInfo>
#include <QTest>
#include <QWidget>

class TstEstacion : public QObject {
    Q_OBJECT
private slots:
    void nombresFijadosParaPruebas();
    void ajustaFormulario_data();
    void ajustaFormulario();
};

void TstEstacion::nombresFijadosParaPruebas()
{
    QCOMPARE(Estacion::NombreEquipo(), QSysInfo::machineHostName());
    QVERIFY(!Estacion::NombreUsuario().isEmpty());
    Estacion::FijaNombreEquipo(QStringLiteral("pc07"));
    Estacion::FijaNombreUsuario(QStringLiteral("ana"));
    QCOMPARE(Estacion::NombreEquipo(), QStringLiteral("pc07"));
    QCOMPARE(Estacion::NombreUsuario(), QStringLiteral("ana"));
    Estacion::FijaNombreEquipo({});
    Estacion::FijaNombreUsuario({});
    QCOMPARE(Estacion::NombreEquipo(), QSysInfo::machineHostName());
}

// Rectangles are frame geometries (title bar and borders included), placed from the corners of the
// screen's available area.
void TstEstacion::ajustaFormulario_data()
{
    QTest::addColumn<QRect>("inicial");
    QTest::addColumn<QRect>("esperado");
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint o = area.topLeft();
    QTest::newRow("dentro se queda") << QRect(o + QPoint(10, 20), QSize(200, 100))
                                     << QRect(o + QPoint(10, 20), QSize(200, 100));
    QTest::newRow("pasado de los bordes derecho e inferior")
        << QRect(o + QPoint(area.width() - 50, area.height() - 20), QSize(200, 100))
        << QRect(o + QPoint(area.width() - 200, area.height() - 100), QSize(200, 100));
    QTest::newRow("arriba y a la izquierda de la pantalla")
        << QRect(o + QPoint(-300, -40), QSize(200, 100)) << QRect(o, QSize(200, 100));
    QTest::newRow("mayor que la pantalla")
        << QRect(o + QPoint(30, 30), area.size() + QSize(400, 300)) << QRect(o, area.size());
    QTest::newRow("solo más ancha") << QRect(o + QPoint(5, 40), QSize(area.width() + 10, 100))
                                    << QRect(o + QPoint(0, 40), QSize(area.width(), 100));
}

void TstEstacion::ajustaFormulario()
{
    QFETCH(QRect, inicial);
    QFETCH(QRect, esperado);
    QWidget ventana;
    ventana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ventana));
    const QRect marco = ventana.frameGeometry();
    const QRect cliente = ventana.geometry();
    const QMargins bordes(cliente.left() - marco.left(), cliente.top() - marco.top(), marco.right() - cliente.right(),
                          marco.bottom() - cliente.bottom());
    ventana.setGeometry(inicial - bordes);
    QCOMPARE(ventana.frameGeometry(), inicial);
    Estacion::AjustaFormulario(&ventana);
    QCOMPARE(ventana.frameGeometry(), esperado);
    Estacion::AjustaFormulario(nullptr);
}

AGENDA_PRUEBA(TstEstacion)
#include "tst_Estacion.moc"
