#include "runtime/ErrorVB.h"
#include "runtime/RegistroErrores.h"
#include "runtime/Reloj.h"
#include "runtime/SharedRuntime.h"
#include "support/DialogosGuionados.h"
#include "support/VerificaAdo.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

class TstSharedRuntime : public QObject {
    Q_OBJECT
private slots:
    void valorEntero_data();
    void valorEntero();
    void valorNumerico_data();
    void valorNumerico();
    void desbordamiento_data();
    void desbordamiento();
    void valorCampo_data();
    void valorCampo();
    void cuentaPalabras_data();
    void cuentaPalabras();
    void limpiaTexto_data();
    void limpiaTexto();
    void reemplazaTexto_data();
    void reemplazaTexto();
    void alineaDerecha_data();
    void alineaDerecha();
    void rutaConBarra_data();
    void rutaConBarra();
    void envuelveYDesenvuelve_data();
    void envuelveYDesenvuelve();
    void desenvuelveTextoNoEnvuelto_data();
    void desenvuelveTextoNoEnvuelto();
    void reportaErrorAnotaYDevuelveRespuesta();
    void cursorDeEsperaAlrededorDelMensaje();
    void preparaFormulario();

private:
    SharedRuntime rt;
};

void TstSharedRuntime::valorEntero_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("esperado");
    QTest::newRow("plain digits") << "42" << 42;
    QTest::newRow("leading blanks and tab") << " \t 42" << 42;
    QTest::newRow("blanks inside the number") << "1 2 3" << 123;
    QTest::newRow("minus sign") << "-17" << -17;
    QTest::newRow("blank after the sign") << "- 17" << -17;
    QTest::newRow("plus sign") << "+8" << 8;
    QTest::newRow("letters after digits") << "12abc" << 12;
    QTest::newRow("letters only") << "abc" << 0;
    QTest::newRow("empty text") << "" << 0;
    QTest::newRow("sign alone") << "-" << 0;
    QTest::newRow("two signs") << "--5" << 0;
    QTest::newRow("comma ends the number") << "12,7" << 12;
    QTest::newRow("half rounds down to even") << "2.5" << 2;
    QTest::newRow("half rounds up to even") << "3.5" << 4;
    QTest::newRow("negative half to even") << "-2.5" << -2;
    QTest::newRow("above half") << "2.51" << 3;
    QTest::newRow("exponent") << "1e3" << 1000;
    QTest::newRow("exponent with D") << "2D2" << 200;
    QTest::newRow("negative exponent") << "25E-1" << 2;
    QTest::newRow("E without digits ends the number") << "3 euros" << 3;
    QTest::newRow("second point ends the number") << "1.5.9" << 2;
    QTest::newRow("point first") << ".75" << 1;
    QTest::newRow("largest 32-bit") << "2147483647" << 2147483647;
    QTest::newRow("smallest 32-bit") << "-2147483648" << int(-2147483648LL);
    QTest::newRow("hexadecimal prefix not read") << "&H10" << 0;
    QTest::newRow("tiny exponent reads as zero") << "1e-999" << 0;
    QTest::newRow("many leading zeros before a tiny exponent") << "0.0001e-400" << 0;
}

void TstSharedRuntime::valorEntero()
{
    QFETCH(QString, texto);
    QFETCH(int, esperado);
    QCOMPARE(rt.ValorEntero(texto), esperado);
}

void TstSharedRuntime::valorNumerico_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<qint64>("diezmilesimos");
    QTest::newRow("decimal point") << "12.5" << qint64(125000);
    QTest::newRow("blanks around and inside") << "  1 2.2 5 kg" << qint64(122500);
    QTest::newRow("negative") << "-0.0001" << qint64(-1);
    QTest::newRow("five decimals, half to even down") << "2.00005" << qint64(20000);
    QTest::newRow("five decimals, half to even up") << "2.00015" << qint64(20002);
    QTest::newRow("below half") << "1.00004" << qint64(10000);
    QTest::newRow("above half") << "1.000051" << qint64(10001);
    QTest::newRow("exponent") << "1.5e2" << qint64(1500000);
    QTest::newRow("letters only") << "CFondo" << qint64(0);
    QTest::newRow("colour value") << "16776960" << qint64(167769600000);
}

void TstSharedRuntime::valorNumerico()
{
    QFETCH(QString, texto);
    QFETCH(qint64, diezmilesimos);
    QCOMPARE(rt.ValorNumerico(texto), Moneda::desdeDiezmilesimos(diezmilesimos));
}

void TstSharedRuntime::desbordamiento_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("entero");
    QTest::newRow("one past 32 bits") << "2147483648" << true;
    QTest::newRow("one below 32 bits") << "-2147483649" << true;
    QTest::newRow("rounds past 32 bits") << "2147483647.5" << true;
    QTest::newRow("beyond double, whole") << "1e999" << true;
    QTest::newRow("exponent beyond any range") << "1e99999999999999999999" << true;
    QTest::newRow("beyond currency") << "1e15" << false;
    QTest::newRow("beyond double, currency") << "-9e400" << false;
}

void TstSharedRuntime::desbordamiento()
{
    QFETCH(QString, texto);
    QFETCH(bool, entero);
    const ErrorVB e = ErrorDe([&] {
        if (entero)
            (void)rt.ValorEntero(texto);
        else
            (void)rt.ValorNumerico(texto);
    });
    QCOMPARE(e.numero(), ErroresVB::Desbordamiento);
}

void TstSharedRuntime::valorCampo_data()
{
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<QVariant>("esperado");
    QTest::newRow("invalid") << QVariant() << QVariant(QStringLiteral(""));
    QTest::newRow("typed null, as a database null arrives")
        << QVariant(QMetaType(QMetaType::Int)) << QVariant(QStringLiteral(""));
    QTest::newRow("number unchanged") << QVariant(7) << QVariant(7);
    QTest::newRow("text unchanged") << QVariant(QStringLiteral(" x ")) << QVariant(QStringLiteral(" x "));
}

void TstSharedRuntime::valorCampo()
{
    QFETCH(QVariant, valor);
    QFETCH(QVariant, esperado);
    const QVariant r = rt.ValorCampo(valor);
    QCOMPARE(r, esperado);
    QCOMPARE(r.metaType(), esperado.metaType());
    QVERIFY(!r.isNull());
}

void TstSharedRuntime::cuentaPalabras_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("palabras");
    QTest::newRow("single word") << "agenda" << 1;
    QTest::newRow("blank text") << "   " << 0;
    QTest::newRow("repeated blanks and tabs") << "  uno \t dos\n tres " << 3;
}

void TstSharedRuntime::cuentaPalabras()
{
    QFETCH(QString, texto);
    QFETCH(int, palabras);
    QCOMPARE(rt.CuentaPalabras(texto), palabras);
}

void TstSharedRuntime::limpiaTexto_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("r");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("leading equals sign") << "=valor"
                                         << "=" << QString() << "valor";
    QTest::newRow("equals sign with blanks kept for trimming") << "= SRV01 "
                                                               << "=" << QString() << " SRV01 ";
    QTest::newRow("text without the character") << "sin cambio"
                                                << "=" << QString() << "sin cambio";
    QTest::newRow("bar dropped") << "us|uario|"
                                 << "|" << QString() << "usuario";
    QTest::newRow("padded record field") << QStringLiteral("CLIENTES") + QString(3, QChar(0)) + QStringLiteral("  ")
            + QString(2, QChar(255)) << QString(QChar(0))
                                         << QString(QChar(255)) << "CLIENTES  ";
    QTest::newRow("empty character leaves text") << "abc"
                                                 << "" << QString() << "abc";
}

void TstSharedRuntime::limpiaTexto()
{
    QFETCH(QString, texto);
    QFETCH(QString, c);
    QFETCH(QString, r);
    QFETCH(QString, esperado);
    QCOMPARE(rt.LimpiaTexto(texto, c, r), esperado);
}

void TstSharedRuntime::reemplazaTexto_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("buscado");
    QTest::addColumn<QString>("nuevo");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("every occurrence") << "a-b-c"
                                      << "-"
                                      << "--"
                                      << "a--b--c";
    QTest::newRow("case respected") << "Tabla tabla"
                                    << "tabla"
                                    << "SS_tabla"
                                    << "Tabla SS_tabla";
    QTest::newRow("empty search leaves text") << "abc"
                                              << ""
                                              << "x"
                                              << "abc";
    QTest::newRow("replacement not rescanned") << "aa"
                                               << "a"
                                               << "aa"
                                               << "aaaa";
}

void TstSharedRuntime::reemplazaTexto()
{
    QFETCH(QString, texto);
    QFETCH(QString, buscado);
    QFETCH(QString, nuevo);
    QFETCH(QString, esperado);
    QCOMPARE(rt.ReemplazaTexto(texto, buscado, nuevo), esperado);
    QCOMPARE(rt.ReemplazaCadena(texto, buscado, nuevo), esperado);
}

void TstSharedRuntime::alineaDerecha_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("ancho");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("business unit padded") << "1" << 4 << "   1";
    QTest::newRow("empty stays empty") << "" << 4 << "";
    QTest::newRow("exact width") << "1234" << 4 << "1234";
    QTest::newRow("longer text unchanged") << "12345" << 4 << "12345";
    QTest::newRow("no width") << "7" << 0 << "7";
}

void TstSharedRuntime::alineaDerecha()
{
    QFETCH(QString, texto);
    QFETCH(int, ancho);
    QFETCH(QString, esperado);
    QCOMPARE(rt.AlineaDerecha(texto, ancho), esperado);
}

void TstSharedRuntime::rutaConBarra_data()
{
    QTest::addColumn<QString>("ruta");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("bar added") << "/opt/agenda"
                               << "/opt/agenda/";
    QTest::newRow("bar kept") << "/opt/agenda/"
                              << "/opt/agenda/";
    QTest::newRow("empty stays empty") << ""
                                       << "";
}

void TstSharedRuntime::rutaConBarra()
{
    QFETCH(QString, ruta);
    QFETCH(QString, esperado);
    QCOMPARE(rt.RutaConBarra(ruta), esperado);
}

void TstSharedRuntime::envuelveYDesenvuelve_data()
{
    QTest::addColumn<QString>("texto");
    QTest::newRow("default user") << "Pelmar";
    QTest::newRow("default password") << "tramoly";
    QTest::newRow("accents and eñe") << QStringLiteral("Muñoz José ÁÉÍÓÚ");
    QTest::newRow("symbols the INI reader treats specially") << " a;b=c #d|e \"f\" ";
    QTest::newRow("outside Latin-1") << QStringLiteral("€ 中文 🙂");
    QTest::newRow("looks wrapped already") << "~~abc";
    QTest::newRow("empty") << "";
}

void TstSharedRuntime::envuelveYDesenvuelve()
{
    QFETCH(QString, texto);
    const QString envuelto = rt.EnvuelveValor(texto);
    QCOMPARE(rt.DesenvuelveValor(envuelto), texto);
    if (!texto.isEmpty()) {
        QVERIFY(!envuelto.contains(texto));
        // The wrapped form must survive the INI file: no blanks, comments, quotes or bars.
        for (const QChar ch : envuelto)
            QVERIFY2(ch.isLetterOrNumber() || ch == u'-' || ch == u'_' || ch == u'~', qPrintable(envuelto));
    }
}

void TstSharedRuntime::desenvuelveTextoNoEnvuelto_data()
{
    QTest::addColumn<QString>("texto");
    QTest::newRow("plain value") << "Pelmar";
    QTest::newRow("marker alone") << "~~";
    QTest::newRow("marker and invalid characters") << "~~ab$c";
    QTest::newRow("marker and non-canonical base64") << "~~QR";
    QTest::newRow("marker and padding") << "~~QQ==";
}

void TstSharedRuntime::desenvuelveTextoNoEnvuelto()
{
    QFETCH(QString, texto);
    QCOMPARE(rt.DesenvuelveValor(texto), texto);
}

void TstSharedRuntime::reportaErrorAnotaYDevuelveRespuesta()
{
    QTemporaryDir estado;
    qputenv("XDG_STATE_HOME", estado.path().toUtf8());
    Reloj::fija(QDateTime(QDate(2025, 3, 5), QTime(9, 30, 15)));
    DialogosDePrueba dialogos;
    dialogos->responde(5);

    const int16_t respuesta
        = rt.ReportaError(ErrorVB(3021, QStringLiteral("Sin registro\nactual")), QStringLiteral("AbrirRecordset"));

    QCOMPARE(respuesta, int16_t(5));
    QCOMPARE(dialogos->registros().size(), 1);
    const auto& r = dialogos->registros().first();
    QCOMPARE(r.tipo, DialogosGuionados::Tipo::Error);
    QCOMPARE(r.numero, 3021);
    QCOMPARE(r.contexto, QStringLiteral("AbrirRecordset"));
    QCOMPARE(r.texto, QStringLiteral("Sin registro\nactual"));

    QFile log(estado.path() + QStringLiteral("/agenda/errores.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(log.readAll()),
             QStringLiteral("2025-03-05 09:30:15\tAbrirRecordset\t3021\tSin registro actual\n"));
    Reloj::libera();
}

// The error report must not keep the hourglass on screen over the dialog, and must give it back.
void TstSharedRuntime::cursorDeEsperaAlrededorDelMensaje()
{
    QTemporaryDir estado;
    qputenv("XDG_STATE_HOME", estado.path().toUtf8());
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);

    struct CursorAlPreguntar : DialogosGuionados {
        bool habiaEspera = true;
        int16_t ReportaError(int32_t, const QString&, const QString&) override
        {
            habiaEspera = QGuiApplication::overrideCursor() != nullptr;
            return 4;
        }
    };
    auto propios = std::make_unique<CursorAlPreguntar>();
    CursorAlPreguntar* dialogos = propios.get();
    auto anteriores = Dialogos::instala(std::move(propios));

    QCOMPARE(rt.ReportaError(ErrorVB(5, QStringLiteral("x")), QStringLiteral("EditKeyCode")), int16_t(4));
    QVERIFY(!dialogos->habiaEspera);
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);

    Dialogos::instala(std::move(anteriores));
    QGuiApplication::restoreOverrideCursor();
    QVERIFY(!QGuiApplication::overrideCursor());

    // Without a wait cursor nothing is put on afterwards.
    rt.AntesDeMensaje(nullptr);
    rt.DespuesDeMensaje(nullptr);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TstSharedRuntime::preparaFormulario()
{
    QApplication::setApplicationName(QStringLiteral("Agenda"));
    QWidget sinTitulo;
    rt.PreparaFormulario(&sinTitulo, 0);
    QCOMPARE(sinTitulo.windowTitle(), QStringLiteral("Agenda"));
    QCOMPARE(sinTitulo.locale().language(), QLocale::Spanish);

    QWidget conTitulo;
    conTitulo.setWindowTitle(QStringLiteral("Agenda de entrevistas"));
    rt.PreparaFormulario(&conTitulo, 0);
    QCOMPARE(conTitulo.windowTitle(), QStringLiteral("Agenda de entrevistas"));

    rt.PreparaFormulario(nullptr, 0);
}

AGENDA_PRUEBA(TstSharedRuntime)
#include "tst_SharedRuntime.moc"
