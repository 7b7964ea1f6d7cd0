#include "runtime/DialogoErrorQt.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TstDialogoErrorQt : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void botones_data();
    void botones();
    void escapeEsSalir();
    void muestraElError();
};

void TstDialogoErrorQt::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Agenda"));
}

void TstDialogoErrorQt::botones_data()
{
    QTest::addColumn<QString>("boton");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("respuesta");
    QTest::newRow("reintentar repite el paso") << "botonReintentar"
                                               << "&Reintentar" << 4;
    QTest::newRow("continuar sigue") << "botonContinuar"
                                     << "&Continuar" << 5;
    QTest::newRow("salir") << "botonSalir"
                           << "&Salir" << 0;
}

void TstDialogoErrorQt::botones()
{
    QFETCH(QString, boton);
    QFETCH(QString, texto);
    QFETCH(int, respuesta);
    DialogoErrorQt dialogo(3021, QStringLiteral("Sin registro actual"), QStringLiteral("AbrirRecordset"));
    auto* pulsado = dialogo.findChild<QPushButton*>(boton);
    QVERIFY(pulsado);
    QCOMPARE(pulsado->text(), texto);
    // The click comes from the event loop that exec() runs, as a person's would.
    QTimer::singleShot(0, pulsado, [pulsado] { QTest::mouseClick(pulsado, Qt::LeftButton); });
    dialogo.exec();
    QCOMPARE(dialogo.respuesta(), int16_t(respuesta));
    QVERIFY(!dialogo.isVisible());
}

void TstDialogoErrorQt::escapeEsSalir()
{
    DialogoErrorQt dialogo(5, QStringLiteral("x"), QStringLiteral("EditKeyCode"));
    bool seguiaAbierto = false;
    QTimer::singleShot(0, &dialogo, [&] {
        QTest::keyClick(&dialogo, Qt::Key_Escape);
        seguiaAbierto = dialogo.isVisible();
        if (seguiaAbierto)
            dialogo.done(QDialog::Accepted);
    });
    dialogo.exec();
    QVERIFY(!seguiaAbierto);
    QCOMPARE(dialogo.respuesta(), int16_t(0));
}

void TstDialogoErrorQt::muestraElError()
{
    DialogoErrorQt dialogo(-2147217900, QStringLiteral("Sintaxis incorrecta"), QStringLiteral("CierraRecordset"));
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Agenda"));
    QVERIFY(dialogo.findChild<QLabel*>(QStringLiteral("contexto"))->text().contains(QStringLiteral("CierraRecordset")));
    const QString detalle = dialogo.findChild<QLabel*>(QStringLiteral("descripcion"))->text();
    QVERIFY(detalle.contains(QStringLiteral("-2147217900")));
    QVERIFY(detalle.contains(QStringLiteral("Sintaxis incorrecta")));
    QVERIFY(!dialogo.findChild<QLabel*>(QStringLiteral("icono"))->pixmap().isNull());
    QVERIFY(dialogo.findChild<QPushButton*>(QStringLiteral("botonReintentar"))->isDefault());
}

AGENDA_PRUEBA(TstDialogoErrorQt)
#include "tst_DialogoErrorQt.moc"
