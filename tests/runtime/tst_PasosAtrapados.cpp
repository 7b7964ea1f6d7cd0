#include "runtime/FinDePrograma.h"
#include "runtime/PasosAtrapados.h"

#include <QStringList>
#include <QTest>

#include <vector>

class TstPasosAtrapados : public QObject {
    Q_OBJECT
private slots:
    void respuestaDelManejador_data();
    void respuestaDelManejador();
    void salidaSinError();
    void finDeProgramaAtraviesa();
};

// Three steps; the second fails the first `fallos` times it runs. The handler answers from a script.
void TstPasosAtrapados::respuestaDelManejador_data()
{
    QTest::addColumn<int>("fallos");
    QTest::addColumn<QList<int>>("respuestas");
    QTest::addColumn<QString>("traza");
    QTest::addColumn<bool>("completo");
    QTest::newRow("sin error") << 0 << QList<int>{} << "1 2 3" << true;
    QTest::newRow("4 repite el paso que falla") << 1 << QList<int>{4} << "1 2! 2 3" << true;
    QTest::newRow("4 dos veces repite dos veces") << 2 << QList<int>{4, 4} << "1 2! 2! 2 3" << true;
    QTest::newRow("5 sigue con el paso siguiente") << 1 << QList<int>{5} << "1 2! 3" << true;
    QTest::newRow("0 sale del procedimiento") << 1 << QList<int>{0} << "1 2!" << false;
    QTest::newRow("3 sale del procedimiento") << 1 << QList<int>{3} << "1 2!" << false;
    QTest::newRow("repetir y luego salir") << 5 << QList<int>{4, 7} << "1 2! 2!" << false;
}

void TstPasosAtrapados::respuestaDelManejador()
{
    QFETCH(int, fallos);
    QFETCH(QList<int>, respuestas);
    QFETCH(QString, traza);
    QFETCH(bool, completo);

    QStringList pasos;
    int intentos = 0;
    std::vector<int32_t> numerosVistos;
    const bool resultado = EjecutaPasos({
                                            [&] { pasos << QStringLiteral("1"); },
                                            [&] {
                                                if (intentos++ < fallos) {
                                                    pasos << QStringLiteral("2!");
                                                    throw ErrorVB(3021, QStringLiteral("fallo"));
                                                }
                                                pasos << QStringLiteral("2");
                                            },
                                            [&] { pasos << QStringLiteral("3"); },
                                        },
                                        [&](const ErrorVB& e) {
                                            numerosVistos.push_back(e.numero());
                                            return static_cast<int16_t>(respuestas.takeFirst());
                                        });

    QCOMPARE(pasos.join(u' '), traza);
    QCOMPARE(resultado, completo);
    QVERIFY(respuestas.isEmpty());
    for (const int32_t n : numerosVistos)
        QCOMPARE(n, 3021);
}

void TstPasosAtrapados::salidaSinError()
{
    QStringList pasos;
    const bool resultado = EjecutaPasos(
        {[&] { pasos << QStringLiteral("1"); }, [] { SalDelProcedimiento(); }, [&] { pasos << QStringLiteral("3"); }},
        [](const ErrorVB&) -> int16_t { throw std::logic_error("an early exit is not an error"); });
    QCOMPARE(pasos, QStringList{QStringLiteral("1")});
    QVERIFY(!resultado);
}

// Ending the program must reach the top even through a handler that would continue past anything.
void TstPasosAtrapados::finDeProgramaAtraviesa()
{
    bool tercero = false;
    bool manejadorLlamado = false;
    try {
        EjecutaPasos({[] { throw FinDePrograma{3}; }, [&] { tercero = true; }}, [&](const ErrorVB&) {
            manejadorLlamado = true;
            return AccionError::Continuar;
        });
        QFAIL("the end of the program was swallowed");
    } catch (const FinDePrograma& fin) {
        QCOMPARE(fin.codigoSalida, 3);
    }
    QVERIFY(!tercero);
    QVERIFY(!manejadorLlamado);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstPasosAtrapados)
#include "tst_PasosAtrapados.moc"
