#include "runtime/DialogosQt.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

class TstDialogosQt : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void msgBox_data();
    void msgBox();
    void reportaErrorUsaLaVentanaDeError();

private:
    // Runs `accion` on the modal dialog as soon as it is shown, from the event loop it runs.
    void alAbrirse(std::function<void(QWidget*)> accion);
    DialogosQt dialogos;
};

void TstDialogosQt::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Agenda"));
}

void TstDialogosQt::alAbrirse(std::function<void(QWidget*)> accion)
{
    QTimer::singleShot(0, this, [accion] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        accion(modal);
        // A failed check above must not leave the test blocked on the dialog.
        if (auto* dialogo = qobject_cast<QDialog*>(modal); dialogo && dialogo->isVisible())
            dialogo->reject();
    });
}

void TstDialogosQt::msgBox_data()
{
    QTest::addColumn<int>("estilo");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QStringList>("textos");
    QTest::addColumn<QString>("pulsa");
    QTest::addColumn<int>("respuesta");
    QTest::addColumn<QString>("tituloVisto");
    QTest::newRow("solo aceptar, título vacío es el del programa")
        << int(Msg::OkSolo) << "" << QStringList{"Aceptar"} << "Aceptar" << int(Msg::Ok) << "Agenda";
    QTest::newRow("sí/no responde no") << int(Msg::SiNo + Msg::Pregunta) << "Aviso" << QStringList{"&Sí", "&No"}
                                       << "&No" << int(Msg::No) << "Aviso";
    QTest::newRow("anular/reintentar/omitir responde reintentar")
        << int(Msg::AbortarReintentarIgnorar + Msg::Critico) << "Aviso al Operador"
        << QStringList{"&Anular", "&Reintentar", "&Omitir"} << "&Reintentar" << int(Msg::Reintentar)
        << "Aviso al Operador";
    QTest::newRow("anular/reintentar/omitir responde omitir")
        << int(Msg::AbortarReintentarIgnorar + Msg::Critico) << "Aviso al Operador"
        << QStringList{"&Anular", "&Reintentar", "&Omitir"} << "&Omitir" << int(Msg::Ignorar) << "Aviso al Operador";
}

void TstDialogosQt::msgBox()
{
    QFETCH(int, estilo);
    QFETCH(QString, titulo);
    QFETCH(QStringList, textos);
    QFETCH(QString, pulsa);
    QFETCH(int, respuesta);
    QFETCH(QString, tituloVisto);

    QStringList vistos;
    QString tituloMostrado;
    alAbrirse([&](QWidget* modal) {
        tituloMostrado = modal->windowTitle();
        auto* caja = qobject_cast<QMessageBox*>(modal);
        QVERIFY(caja);
        QAbstractButton* objetivo = nullptr;
        for (QAbstractButton* b : caja->buttons()) {
            vistos << b->text();
            if (b->text() == pulsa)
                objetivo = b;
        }
        QVERIFY(objetivo);
        QTest::mouseClick(objetivo, Qt::LeftButton);
    });
    QCOMPARE(dialogos.MsgBox(QStringLiteral("¿Seguro?"), estilo, titulo), respuesta);
    vistos.sort();
    textos.sort();
    QCOMPARE(vistos, textos);
    QCOMPARE(tituloMostrado, tituloVisto);
}

void TstDialogosQt::reportaErrorUsaLaVentanaDeError()
{
    alAbrirse([](QWidget* modal) {
        auto* continuar = modal->findChild<QPushButton*>(QStringLiteral("botonContinuar"));
        QVERIFY(continuar);
        QTest::mouseClick(continuar, Qt::LeftButton);
    });
    QCOMPARE(dialogos.ReportaError(3021, QStringLiteral("Sin registro actual"), QStringLiteral("Cfg")), int16_t(5));
}

AGENDA_PRUEBA(TstDialogosQt)
#include "tst_DialogosQt.moc"
