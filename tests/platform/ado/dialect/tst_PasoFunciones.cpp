#include "platform/ado/dialect/PasoFunciones.h"

#include <QTest>

using namespace ado::dialecto;

// Only unqualified calls get the engine's name: a column, a qualified name or a definition that
// shares a function's name must stay as written.
class TstPasoFunciones : public QObject {
    Q_OBJECT
private slots:
    void funciones_data();
    void funciones();
};

void TstPasoFunciones::funciones_data()
{
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("salida");
    const auto fila = [](const char* nombre, const char* entrada, const char* salida) {
        QTest::newRow(nombre) << QString::fromUtf8(entrada) << QString::fromUtf8(salida);
    };
    fila("llamadas en cualquier caja", "SELECT len(a), IsNull(b, 0) FROM T", "SELECT KQ_LEN(a), IFNULL(b, 0) FROM T");
    fila("columna con nombre de función", "SELECT LEN FROM T WHERE LEN = 1", "SELECT LEN FROM T WHERE LEN = 1");
    fila("función calificada", "SELECT dbo.LEN(a), x.LEN (a)", "SELECT dbo.LEN(a), x.LEN (a)");
    fila("nombre entre corchetes", "SELECT [LEN](a)", "SELECT \"LEN\"(a)");
    fila("parte de fecha", "SELECT DATEADD(day, 1, F), datediff(MI, F, G)",
         "SELECT DATEADD('day', 1, F), datediff('MI', F, G)");
    fila("parte que no es una palabra", "SELECT DATEPART('d', F), DATEPART(1, F)",
         "SELECT DATEPART('d', F), DATEPART(1, F)");
    fila("definición intacta", "CREATE VIEW V AS SELECT LEN(a) FROM T; SELECT LEN(a)",
         "CREATE VIEW V AS SELECT LEN(a) FROM T; SELECT KQ_LEN(a)");
}

void TstPasoFunciones::funciones()
{
    QFETCH(QString, entrada);
    QFETCH(QString, salida);
    RasgosDialecto rasgos;
    rasgos.funciones
        = {{QStringLiteral("LEN"), QStringLiteral("KQ_LEN")}, {QStringLiteral("ISNULL"), QStringLiteral("IFNULL")}};
    const VistaSql vista(entrada);
    const SentenciasSql sentencias(vista);
    MarcasSql marcas(vista);
    PasoFunciones(vista, sentencias, rasgos).marca(marcas);
    QCOMPARE(marcas.escribe(false), salida);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstPasoFunciones)
#include "tst_PasoFunciones.moc"
