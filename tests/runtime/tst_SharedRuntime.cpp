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
    QTest::newRow("solo dígitos") << "42" << 42;
    QTest::newRow("blancos y tabulador delante") << " \t 42" << 42;
    QTest::newRow("blancos dentro del número") << "1 2 3" << 123;
    QTest::newRow("signo menos") << "-17" << -17;
    QTest::newRow("blanco tras el signo") << "- 17" << -17;
    QTest::newRow("signo más") << "+8" << 8;
    QTest::newRow("letras tras los dígitos") << "12abc" << 12;
    QTest::newRow("solo letras") << "abc" << 0;
    QTest::newRow("texto vacío") << "" << 0;
    QTest::newRow("signo solo") << "-" << 0;
    QTest::newRow("dos signos") << "--5" << 0;
    QTest::newRow("la coma termina el número") << "12,7" << 12;
    QTest::newRow("la mitad redondea abajo al par") << "2.5" << 2;
    QTest::newRow("la mitad redondea arriba al par") << "3.5" << 4;
    QTest::newRow("mitad negativa al par") << "-2.5" << -2;
    QTest::newRow("sobre la mitad") << "2.51" << 3;
    QTest::newRow("exponente") << "1e3" << 1000;
    QTest::newRow("exponente con D") << "2D2" << 200;
    QTest::newRow("exponente negativo") << "25E-1" << 2;
    QTest::newRow("E sin dígitos termina el número") << "3 euros" << 3;
    QTest::newRow("el segundo punto termina el número") << "1.5.9" << 2;
    QTest::newRow("punto primero") << ".75" << 1;
    QTest::newRow("mayor de 32 bits") << "2147483647" << 2147483647;
    QTest::newRow("menor de 32 bits") << "-2147483648" << int(-2147483648LL);
    QTest::newRow("prefijo hexadecimal no leído") << "&H10" << 0;
    QTest::newRow("exponente diminuto se lee como cero") << "1e-999" << 0;
    QTest::newRow("muchos ceros delante de un exponente diminuto") << "0.0001e-400" << 0;
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
    QTest::newRow("punto decimal") << "12.5" << qint64(125000);
    QTest::newRow("blancos alrededor y dentro") << "  1 2.2 5 kg" << qint64(122500);
    QTest::newRow("negativo") << "-0.0001" << qint64(-1);
    QTest::newRow("cinco decimales, mitad al par hacia abajo") << "2.00005" << qint64(20000);
    QTest::newRow("cinco decimales, mitad al par hacia arriba") << "2.00015" << qint64(20002);
    QTest::newRow("bajo la mitad") << "1.00004" << qint64(10000);
    QTest::newRow("sobre la mitad") << "1.000051" << qint64(10001);
    QTest::newRow("exponente") << "1.5e2" << qint64(1500000);
    QTest::newRow("solo letras") << "CFondo" << qint64(0);
    QTest::newRow("valor de color") << "16776960" << qint64(167769600000);
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
    QTest::newRow("uno más allá de 32 bits") << "2147483648" << true;
    QTest::newRow("uno por debajo de 32 bits") << "-2147483649" << true;
    QTest::newRow("redondea más allá de 32 bits") << "2147483647.5" << true;
    QTest::newRow("más allá de double, entero") << "1e999" << true;
    QTest::newRow("exponente fuera de todo rango") << "1e99999999999999999999" << true;
    QTest::newRow("más allá de la moneda") << "1e15" << false;
    QTest::newRow("más allá de double, moneda") << "-9e400" << false;
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
    QTest::newRow("inválido") << QVariant() << QVariant(QStringLiteral(""));
    QTest::newRow("nulo con tipo, como llega un nulo de la base")
        << QVariant(QMetaType(QMetaType::Int)) << QVariant(QStringLiteral(""));
    QTest::newRow("número sin cambio") << QVariant(7) << QVariant(7);
    QTest::newRow("texto sin cambio") << QVariant(QStringLiteral(" x ")) << QVariant(QStringLiteral(" x "));
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
    QTest::newRow("una palabra") << "agenda" << 1;
    QTest::newRow("texto en blanco") << "   " << 0;
    QTest::newRow("blancos y tabuladores repetidos") << "  uno \t dos\n tres " << 3;
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
    QTest::newRow("signo igual delante") << "=valor"
                                         << "=" << QString() << "valor";
    QTest::newRow("signo igual con blancos conservados para recortar") << "= SRV01 "
                                                                       << "=" << QString() << " SRV01 ";
    QTest::newRow("texto sin el carácter") << "sin cambio"
                                           << "=" << QString() << "sin cambio";
    QTest::newRow("barra quitada") << "us|uario|"
                                   << "|" << QString() << "usuario";
    QTest::newRow("campo de registro relleno")
        << QStringLiteral("CLIENTES") + QString(3, QChar(0)) + QStringLiteral("  ") + QString(2, QChar(255))
        << QString(QChar(0)) << QString(QChar(255)) << "CLIENTES  ";
    QTest::newRow("carácter vacío deja el texto") << "abc"
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
    QTest::newRow("todas las apariciones") << "a-b-c"
                                           << "-"
                                           << "--"
                                           << "a--b--c";
    QTest::newRow("mayúsculas respetadas") << "Tabla tabla"
                                           << "tabla"
                                           << "SS_tabla"
                                           << "Tabla SS_tabla";
    QTest::newRow("búsqueda vacía deja el texto") << "abc"
                                                  << ""
                                                  << "x"
                                                  << "abc";
    QTest::newRow("reemplazo no vuelto a buscar") << "aa"
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
    QTest::newRow("unidad de negocio rellenada") << "1" << 4 << "   1";
    QTest::newRow("vacío sigue vacío") << "" << 4 << "";
    QTest::newRow("ancho exacto") << "1234" << 4 << "1234";
    QTest::newRow("texto más largo sin cambio") << "12345" << 4 << "12345";
    QTest::newRow("sin ancho") << "7" << 0 << "7";
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
    QTest::newRow("barra agregada") << "/opt/agenda"
                                    << "/opt/agenda/";
    QTest::newRow("barra conservada") << "/opt/agenda/"
                                      << "/opt/agenda/";
    QTest::newRow("vacío sigue vacío") << ""
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
    QTest::newRow("usuario por defecto") << "Pelmar";
    QTest::newRow("contraseña por defecto") << "tramoly";
    QTest::newRow("acentos y eñe") << QStringLiteral("Muñoz José ÁÉÍÓÚ");
    QTest::newRow("símbolos que el lector de INI trata aparte") << " a;b=c #d|e \"f\" ";
    QTest::newRow("fuera de Latin-1") << QStringLiteral("€ 中文 🙂");
    QTest::newRow("parece ya envuelto") << "~~abc";
    QTest::newRow("vacío") << "";
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
    QTest::newRow("valor simple") << "Pelmar";
    QTest::newRow("marca sola") << "~~";
    QTest::newRow("marca y caracteres inválidos") << "~~ab$c";
    QTest::newRow("marca y base64 no canónico") << "~~QR";
    QTest::newRow("marca y relleno") << "~~QQ==";
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
