#include "lookup/SentenciaConsulta.h"

#include <QTest>

// The statement pieces the server-side searches work on: the ordering clause split off, and a
// condition added without changing the meaning of the statement's own filter.
class TstSentenciaConsulta : public QObject {
    Q_OBJECT
private slots:
    void divideOrden_data();
    void divideOrden();
    void agregaCondicion_data();
    void agregaCondicion();
    void cuerpoLiteral();
    void divideCampos_data();
    void divideCampos();
};

void TstSentenciaConsulta::divideOrden_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("orden");

    QTest::newRow("cláusula de orden") << "SELECT A FROM T ORDER BY A "
                                       << "SELECT A FROM T "
                                       << "ORDER BY A ";
    QTest::newRow("cualquier caja, salto de línea") << "select a from t\norder  by a"
                                                    << "select a from t\n"
                                                    << "order  by a";
    QTest::newRow("ninguna") << "SELECT A FROM T "
                             << "SELECT A FROM T "
                             << "";
    QTest::newRow("order by dentro de un literal") << "SELECT A FROM T WHERE B = 'order by' "
                                                   << "SELECT A FROM T WHERE B = 'order by' "
                                                   << "";
    QTest::newRow("order by dentro de una subconsulta")
        << "SELECT A FROM (SELECT TOP 5 A FROM T ORDER BY A) X ORDER BY A"
        << "SELECT A FROM (SELECT TOP 5 A FROM T ORDER BY A) X "
        << "ORDER BY A";
    QTest::newRow("una columna llamada ORDEN") << "SELECT ORDEN FROM T"
                                               << "SELECT ORDEN FROM T"
                                               << "";
}

void TstSentenciaConsulta::divideOrden()
{
    QFETCH(QString, sql);
    QFETCH(QString, base);
    QFETCH(QString, orden);
    const SentenciaConsulta::Partes partes = SentenciaConsulta::DivideOrden(sql);
    QCOMPARE(partes.SQLBase, base);
    QCOMPARE(partes.OrdenSQL, orden);
}

void TstSentenciaConsulta::agregaCondicion_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("resultado");

    QTest::newRow("sin filtro") << "SELECT N FROM T ORDER BY N "
                                << "SELECT N FROM T  where N like 'a%' ORDER BY N ";
    QTest::newRow("filtro sin OR") << "SELECT N FROM T WHERE X = 0 "
                                   << "SELECT N FROM T WHERE X = 0  and N like 'a%' ";
    QTest::newRow("filtro con OR conserva su sentido")
        << "SELECT N FROM T WHERE A = 1 OR A = 2 ORDER BY N"
        << "SELECT N FROM T WHERE (A = 1 OR A = 2)  and N like 'a%' ORDER BY N";
    QTest::newRow("OR entre paréntesis no necesita ninguno")
        << "SELECT N FROM T WHERE  (A = 1 OR A = 2) "
        << "SELECT N FROM T WHERE  (A = 1 OR A = 2)  and N like 'a%' ";
    QTest::newRow("where solo dentro de una subconsulta")
        << "SELECT N FROM (SELECT N FROM T WHERE X = 1) S"
        << "SELECT N FROM (SELECT N FROM T WHERE X = 1) S where N like 'a%' ";
    QTest::newRow("where solo dentro de un literal") << "SELECT 'where' AS N FROM T"
                                                     << "SELECT 'where' AS N FROM T where N like 'a%' ";
}

void TstSentenciaConsulta::agregaCondicion()
{
    QFETCH(QString, sql);
    QFETCH(QString, resultado);
    QCOMPARE(SentenciaConsulta::AgregaCondicion(sql, QStringLiteral("N like 'a%' ")), resultado);
}

void TstSentenciaConsulta::cuerpoLiteral()
{
    QCOMPARE(SentenciaConsulta::CuerpoLiteral(QStringLiteral("O'Brien'; DROP TABLE T --")),
             QStringLiteral("O''Brien''; DROP TABLE T --"));
}

void TstSentenciaConsulta::divideCampos_data()
{
    QTest::addColumn<QString>("campos");
    QTest::addColumn<QStringList>("lista");

    QTest::newRow("lista sencilla") << " ID , Nombre" << QStringList{"ID", "Nombre"};
    QTest::newRow("coma dentro de una función")
        << "ISNULL(Nombre, '') AS N, ID" << QStringList{"ISNULL(Nombre, '') AS N", "ID"};
    QTest::newRow("coma en un literal y en un nombre entre corchetes")
        << "'a,b' AS X, [c,d], \"e,f\"" << QStringList{"'a,b' AS X", "[c,d]", "\"e,f\""};
    QTest::newRow("un solo campo con comas dentro") << "LEFT(Nombre, 3)" << QStringList{"LEFT(Nombre, 3)"};
    QTest::newRow("lista vacía") << "  " << QStringList{};
}

void TstSentenciaConsulta::divideCampos()
{
    QFETCH(QString, campos);
    QFETCH(QStringList, lista);
    QCOMPARE(SentenciaConsulta::DivideCampos(campos), lista);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstSentenciaConsulta)
#include "tst_sentenciaconsulta.moc"
