#include "platform/ui/TextBox.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

class TstTextBox : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void keyDownLlevaElCodigoDeLaTecla_data();
    void keyDownLlevaElCodigoDeLaTecla();
    void unaTeclaQueOcultaLaCajaNoSeEscribe();
    void selStartMasAllaDelFinalVaAlFinal();

private:
    std::unique_ptr<TextBox> caja;
};

void TstTextBox::init()
{
    caja = std::make_unique<TextBox>(nullptr);
    caja->show();
    QVERIFY(QTest::qWaitForWindowExposed(caja.get()));
}

void TstTextBox::cleanup()
{
    caja.reset();
}

void TstTextBox::keyDownLlevaElCodigoDeLaTecla_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificadores");
    QTest::addColumn<int>("codigo");
    QTest::addColumn<int>("mayusculas");

    QTest::newRow("intro") << int(Qt::Key_Return) << 0 << 13 << 0;
    QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << 27 << 0;
    QTest::newRow("arriba") << int(Qt::Key_Up) << 0 << 38 << 0;
    QTest::newRow("abajo") << int(Qt::Key_Down) << 0 << 40 << 0;
    QTest::newRow("letra con mayúsculas") << int(Qt::Key_B) << int(Qt::ShiftModifier) << 66 << 1;
    QTest::newRow("ctrl y alt") << int(Qt::Key_1) << int(Qt::ControlModifier | Qt::AltModifier) << 49 << 6;
}

void TstTextBox::keyDownLlevaElCodigoDeLaTecla()
{
    QFETCH(int, tecla);
    QFETCH(int, modificadores);
    QFETCH(int, codigo);
    QFETCH(int, mayusculas);
    QSignalSpy espia(caja.get(), &TextBox::KeyDown);
    QTest::keyClick(caja.get(), Qt::Key(tecla), Qt::KeyboardModifiers(modificadores));
    // The modifier keys raise KeyDown of their own first, as they do for a real keyboard.
    QVERIFY(!espia.isEmpty());
    QCOMPARE(espia.last().at(0).toInt(), codigo);
    QCOMPARE(espia.last().at(1).toInt(), mayusculas);
}

void TstTextBox::unaTeclaQueOcultaLaCajaNoSeEscribe()
{
    caja->setText(QStringLiteral("ab"));
    connect(caja.get(), &TextBox::KeyDown, caja.get(), [this](int codigo) {
        if (codigo == 'X')
            caja->hide();
    });
    QTest::keyClicks(caja.get(), QStringLiteral("cx"));
    QCOMPARE(caja->text(), QStringLiteral("abc"));
}

void TstTextBox::selStartMasAllaDelFinalVaAlFinal()
{
    caja->setText(QStringLiteral("nota"));
    caja->setSelStart(1000);
    QCOMPARE(caja->SelStart(), 4);
    caja->setSelStart(1);
    QCOMPARE(caja->SelStart(), 1);
}

AGENDA_PRUEBA(TstTextBox)
#include "tst_textbox.moc"
