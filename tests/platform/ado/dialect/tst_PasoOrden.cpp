#include "platform/ado/dialect/PasoOrden.h"

#include <QTest>

using namespace ado::dialecto;

// Text orders, groups and drops duplicates case-blind, and NULL goes where the server puts it; a
// number or date column keeps its own order (and its index), and each scope keeps its own list.
class TstPasoOrden : public QObject {
    Q_OBJECT
private slots:
    void orden_data();
    void orden();
};

void TstPasoOrden::orden_data()
{
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("salida");
    const auto fila = [](const char* nombre, const char* entrada, const char* salida) {
        QTest::newRow(nombre) << QString::fromUtf8(entrada) << QString::fromUtf8(salida);
    };
    fila("texto y número con sentido", "SELECT ID FROM T ORDER BY NOMBRE, ID DESC",
         "SELECT ID FROM T ORDER BY NOMBRE COLLATE KQ_CI NULLS FIRST, ID DESC NULLS LAST");
    fila("expresión", "SELECT 1 FROM T ORDER BY LTRIM(NOMBRE) ASC",
         "SELECT 1 FROM T ORDER BY LTRIM(NOMBRE) COLLATE KQ_CI ASC NULLS FIRST");
    fila("GROUP BY sin NULLS", "SELECT NOMBRE FROM T GROUP BY NOMBRE HAVING COUNT(*) > 1",
         "SELECT NOMBRE FROM T GROUP BY NOMBRE COLLATE KQ_CI HAVING COUNT(*) > 1");
    fila("MIN, MAX y COUNT DISTINCT", "SELECT MIN(NOMBRE), COUNT(DISTINCT NOMBRE), MAX(ID), COUNT(NOMBRE) FROM T",
         "SELECT MIN(NOMBRE COLLATE KQ_CI), COUNT(DISTINCT NOMBRE COLLATE KQ_CI), MAX(ID), COUNT(NOMBRE) FROM T");
    fila("DISTINCT conserva el nombre", "SELECT DISTINCT NOMBRE, ID FROM T",
         "SELECT DISTINCT NOMBRE COLLATE KQ_CI AS \"NOMBRE\", ID FROM T");
    fila("el alias deshace el corchete doblado", "SELECT DISTINCT [a]]b] FROM T",
         "SELECT DISTINCT \"a]b\" COLLATE KQ_CI AS \"a]b\" FROM T");
    fila("UNION en ambos lados", "SELECT NOMBRE FROM T UNION SELECT NOMBRE N FROM U",
         "SELECT NOMBRE COLLATE KQ_CI AS \"NOMBRE\" FROM T UNION SELECT NOMBRE COLLATE KQ_CI N FROM U");
    fila("UNION ALL no quita duplicados", "SELECT NOMBRE FROM T UNION ALL SELECT NOMBRE FROM U",
         "SELECT NOMBRE FROM T UNION ALL SELECT NOMBRE FROM U");
    fila(
        "cada ámbito su orden", "SELECT (SELECT TOP 1 NOMBRE FROM U ORDER BY NOMBRE) FROM T ORDER BY ID",
        "SELECT (SELECT TOP 1 NOMBRE FROM U ORDER BY NOMBRE COLLATE KQ_CI NULLS FIRST) FROM T ORDER BY ID NULLS FIRST");
    fila("definición intacta", "CREATE VIEW V AS SELECT NOMBRE FROM T ORDER BY NOMBRE",
         "CREATE VIEW V AS SELECT NOMBRE FROM T ORDER BY NOMBRE");
}

void TstPasoOrden::orden()
{
    QFETCH(QString, entrada);
    QFETCH(QString, salida);
    EsquemaDialecto esquema;
    esquema.columnasTexto = {QStringLiteral("NOMBRE"), QStringLiteral("A]B")};
    esquema.declara(QStringLiteral("T"), QStringLiteral("NOMBRE"), TipoExpresion::Texto);
    esquema.declara(QStringLiteral("T"), QStringLiteral("ID"), TipoExpresion::Entero);
    RasgosDialecto rasgos;
    rasgos.textoSinCaso = QStringLiteral(" COLLATE KQ_CI");
    rasgos.ordenSinCaso = true;
    rasgos.nulosComoServidor = true;
    const VistaSql vista(entrada);
    const SentenciasSql sentencias(vista);
    MarcasSql marcas(vista);
    const PasoTop top(vista, sentencias);
    const PasoPistas pistas(vista, marcas);
    TiposSql tipos(vista, esquema);
    PasoOrden(vista, sentencias, top, pistas, tipos, esquema, rasgos).marca(marcas);
    QCOMPARE(marcas.escribe(false), salida);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstPasoOrden)
#include "tst_PasoOrden.moc"
