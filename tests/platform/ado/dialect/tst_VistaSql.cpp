#include "platform/ado/dialect/VistaSql.h"

#include <QTest>

using ado::dialecto::VistaSql;

// The view every reader of SQL shares: which tokens count, the names and strings they give unquoted,
// and how brackets and CASE ... END pair and nest.
class TstVistaSql : public QObject {
    Q_OBJECT
private slots:
    void valores_data();
    void valores();
    void parejas_data();
    void parejas();
};

void TstVistaSql::valores_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("nombres"); // nombreEscrito of each token, joined by "|"
    QTest::addColumn<QString>("cadenas"); // cadena of each token, joined by "|"
    QTest::newRow("comentarios y blancos fuera") << "a /* b */ -- c\n d"
                                                 << "a|d"
                                                 << "|";
    QTest::newRow("corchetes con ]] dentro") << "[a]]b].c"
                                             << "a]b|.|c"
                                             << "||";
    QTest::newRow("comillas dobles con \"\" dentro") << "\"x\"\"y\""
                                                     << "x\"y"
                                                     << "";
    QTest::newRow("cadena nacional con '' dentro") << "N'o''k'"
                                                   << "N'o''k'"
                                                   << "o'k";
    QTest::newRow("corchete abierto hasta el final") << "[sin fin"
                                                     << "sin fin"
                                                     << "";
    QTest::newRow("cadena abierta hasta el final") << "'sin fin"
                                                   << "'sin fin"
                                                   << "sin fin";
}

void TstVistaSql::valores()
{
    QFETCH(QString, texto);
    QFETCH(QString, nombres);
    QFETCH(QString, cadenas);
    const VistaSql vista(texto);
    QStringList leidosNombres, leidasCadenas;
    for (qsizetype k = 0; k < vista.size(); ++k) {
        leidosNombres << vista.nombreEscrito(k);
        leidasCadenas << vista.cadena(k);
        QCOMPARE(vista.nombre(k), vista.nombreEscrito(k).toUpper());
        QCOMPARE(VistaSql::sinComillas(ado::dialecto::TokenizadorSql::citaNombre(vista.nombreEscrito(k))),
                 vista.nombreEscrito(k));
        QCOMPARE(VistaSql::sinComillas(ado::dialecto::TokenizadorSql::citaCadena(vista.cadena(k))), vista.cadena(k));
        const bool esCadena = vista.token(k).tipo == ado::dialecto::TokenSql::Tipo::Cadena;
        QCOMPARE(VistaSql::sinComillas(vista.texto(k)), esCadena ? vista.cadena(k) : vista.nombreEscrito(k));
    }
    QCOMPARE(leidosNombres.join(u'|'), nombres);
    QCOMPARE(leidasCadenas.join(u'|'), cadenas);
    QVERIFY(!vista.es(vista.size(), QLatin1String("A")));
    QCOMPARE(vista.pareja(-1), -1);
}

void TstVistaSql::parejas_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("parejas"); // pareja of each token, "." for none
    QTest::addColumn<QString>("profundidades");
    QTest::newRow("paréntesis anidados") << "f((a), b)"
                                         << ". 7 4 . 2 . . 1"
                                         << "0 0 1 2 1 1 1 0";
    QTest::newRow("CASE dentro de paréntesis") << "(CASE WHEN a THEN b END)"
                                               << "7 6 . . . . 1 0"
                                               << "0 1 1 1 1 1 1 0";
    QTest::newRow("END suelto de un bloque") << "BEGIN (x) END"
                                             << ". 3 . 1 ."
                                             << "0 0 1 0 0";
    QTest::newRow("paréntesis que no cierra un CASE") << "CASE ) END"
                                                      << "2 . 0"
                                                      << "0 0 0";
    QTest::newRow("CASE sin END dentro de paréntesis") << "(CASE a) END"
                                                       << "3 . . 0 ."
                                                       << "0 1 1 0 0";
    QTest::newRow("paréntesis de más") << "a ) ("
                                       << ". . ."
                                       << "0 0 0";
    QTest::newRow("palabra entre corchetes no es CASE") << "[CASE] END"
                                                        << ". ."
                                                        << "0 0";
}

void TstVistaSql::parejas()
{
    QFETCH(QString, texto);
    QFETCH(QString, parejas);
    QFETCH(QString, profundidades);
    const VistaSql vista(texto);
    QStringList leidas, leidasProfundidades;
    for (qsizetype k = 0; k < vista.size(); ++k) {
        leidas << (vista.pareja(k) < 0 ? QStringLiteral(".") : QString::number(vista.pareja(k)));
        leidasProfundidades << QString::number(vista.profundidad(k));
    }
    QCOMPARE(leidas.join(u' '), parejas);
    QCOMPARE(leidasProfundidades.join(u' '), profundidades);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstVistaSql)
#include "tst_VistaSql.moc"
