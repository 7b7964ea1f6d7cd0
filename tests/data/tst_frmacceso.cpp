#include "data/frmAcceso.h"
#include "runtime/CursorEspera.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

// The login dialog through its real widgets: what a person sees and which keys do what.
class TstFrmAcceso : public QObject {
    Q_OBJECT
private slots:
    void textosYPlataformas();
    void ordenDeTabulacion();
    void contrasenaConAsteriscos();
    void teclasCierran_data();
    void teclasCierran();
    void centradoEnPantalla();
    void sinCursorDeEsperaMientrasSeMuestra();
};

void TstFrmAcceso::textosYPlataformas()
{
    frmAcceso d;
    QCOMPARE(d.windowTitle(), "Control de Acceso");
    QCOMPARE(QStringList({d.lbUsuario->text(), d.lbcontrasena->text(), d.Label1->text(), d.Label2->text(),
                          d.bcAceptar->text(), d.bcCancelar->text()}),
             QStringList({"&Usuario", "&Contraseña", "&Base de Datos", "&Servidor", "Aceptar", "Cancelar"}));
    QStringList plataformas;
    for (int i = 0; i < d.CboPlataformaDB->count(); ++i)
        plataformas << d.CboPlataformaDB->itemText(i);
    QCOMPARE(plataformas, QStringList({"SQL Server", "ORACLE", "SQLite (base local)", "PostgreSQL"}));
    QCOMPARE(d.lbcontrasena->buddy(), d.TxtUserPassword);
}

void TstFrmAcceso::ordenDeTabulacion()
{
    frmAcceso d;
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.TxtUserId->setFocus();
    QStringList recorrido{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        recorrido << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(recorrido, QStringList({"TxtUserId", "TxtUserPassword", "TxtDbName", "TxtServidor", "CboPlataformaDB"}));
}

void TstFrmAcceso::contrasenaConAsteriscos()
{
    frmAcceso d;
    QTest::keyClicks(d.TxtUserPassword, "abc");
    QCOMPARE(d.TxtUserPassword->text(), "abc");
    QCOMPARE(d.TxtUserPassword->displayText(), "***");
}

void TstFrmAcceso::teclasCierran_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<bool>("aceptar");
    QTest::newRow("intro acepta") << int(Qt::Key_Return) << true;
    QTest::newRow("escape cancela") << int(Qt::Key_Escape) << false;
}

void TstFrmAcceso::teclasCierran()
{
    QFETCH(int, tecla);
    QFETCH(bool, aceptar);
    frmAcceso d;
    d.Aceptar = !aceptar;
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QTest::keyClick(d.TxtServidor, Qt::Key(tecla));
    QCOMPARE(d.Aceptar, aceptar);
    QVERIFY(!d.isVisible());
}

void TstFrmAcceso::centradoEnPantalla()
{
    frmAcceso d;
    const QRect pantalla = d.screen()->geometry();
    QCOMPARE(d.width(), (5850 * d.logicalDpiX() + 720) / 1440);
    QCOMPARE(d.x(), pantalla.x() + pantalla.width() / 2 - d.width() / 2);
    QCOMPARE(d.y(), pantalla.y() + pantalla.height() / 2 - d.height() / 2);
}

void TstFrmAcceso::sinCursorDeEsperaMientrasSeMuestra()
{
    // The program asks for the connection in the middle of its start-up, under a wait cursor.
    CursorEspera espera;
    {
        frmAcceso d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(!QGuiApplication::overrideCursor());
        d.hide();
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(!QGuiApplication::overrideCursor());
    }
    // Destroyed while shown, it still puts the wait cursor back.
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

AGENDA_PRUEBA(TstFrmAcceso)
#include "tst_frmacceso.moc"
