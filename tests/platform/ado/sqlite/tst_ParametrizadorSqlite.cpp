#include "platform/ado/sqlite/ParametrizadorSqlite.h"

#include <QTest>

using ado::sqlite::ParametrizadorSqlite;

namespace {

// Values as "t:text", "i:integer", "r:real", joined by "|", so that a wrong type shows.
QString describe(const QVariantList& valores)
{
    QStringList partes;
    for (const QVariant& v : valores) {
        switch (v.typeId()) {
        case QMetaType::QString:
            partes << QStringLiteral("t:") + v.toString() + (v.toString().isNull() ? "(null)" : "");
            break;
        case QMetaType::LongLong:
            partes << QStringLiteral("i:") + v.toString();
            break;
        case QMetaType::Double:
            partes << QStringLiteral("r:") + QString::number(v.toDouble(), 'g', 17);
            break;
        default:
            partes << QStringLiteral("?:") + v.toString();
        }
    }
    return partes.join(u'|');
}

} // namespace

class TstParametrizadorSqlite : public QObject {
    Q_OBJECT
private slots:
    void parametriza_data();
    void parametriza();
    void demasiadosLiterales();
};

void TstParametrizadorSqlite::parametriza_data()
{
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("forma"); // "" when the statement is run as written
    QTest::addColumn<QString>("valores");

    QTest::newRow("inserción en la agenda")
        << "INSERT INTO MV_AGENDA (FECHA, IdEntrevista, Mensaje) VALUES ('2025-03-05 09:30:00', 12, 'd''Alba')"
        << "INSERT INTO MV_AGENDA (FECHA, IdEntrevista, Mensaje) VALUES (?, ?, ?)"
        << "t:2025-03-05 09:30:00|i:12|t:d'Alba";
    QTest::newRow("actualización de una nota") << "update MV_AGENDA set MENSAJE = '' where ID = 7"
                                               << "update MV_AGENDA set MENSAJE = ? where ID = ?"
                                               << "t:|i:7";
    QTest::newRow("dígitos entre comillas siguen siendo texto") << "DELETE FROM T WHERE C = '123'"
                                                                << "DELETE FROM T WHERE C = ?"
                                                                << "t:123";
    QTest::newRow("real exacto, se conserva el signo negativo")
        << "UPDATE T SET A = -1.5, B = 2.0, C = .25 WHERE D BETWEEN 1 AND 2"
        << "UPDATE T SET A = -?, B = ?, C = ? WHERE D BETWEEN ? AND ?"
        << "r:1.5|r:2|r:0.25|i:1|i:2";
    QTest::newRow("real inexacto queda escrito") << "UPDATE T SET A = 0.1 WHERE B = 'x'"
                                                 << "UPDATE T SET A = 0.1 WHERE B = ?"
                                                 << "t:x";
    QTest::newRow("entero mayor") << "DELETE FROM T WHERE A = 9223372036854775807"
                                  << "DELETE FROM T WHERE A = ?"
                                  << "i:9223372036854775807";
    QTest::newRow("nombres, NULL e intercalación intactos")
        << "UPDATE \"T\" SET A = NULL WHERE B COLLATE KQ_CI LIKE 'a%' ESCAPE '!' AND C IN ('x', 'y')"
        << "UPDATE \"T\" SET A = NULL WHERE B COLLATE KQ_CI LIKE ? ESCAPE ? AND C IN (?, ?)"
        << "t:a%|t:!|t:x|t:y";
    QTest::newRow("comentario conservado") << "DELETE FROM T -- quita\nWHERE A = 1"
                                           << "DELETE FROM T -- quita\nWHERE A = ?"
                                           << "i:1";
    QTest::newRow("sin literales") << "DELETE FROM T"
                                   << "DELETE FROM T"
                                   << "";

    // Run as written.
    QTest::newRow("select") << "SELECT * FROM T WHERE A = 1"
                            << ""
                            << "";
    QTest::newRow("insert desde select") << "INSERT INTO T (A) SELECT 1"
                                         << ""
                                         << "";
    QTest::newRow("subconsulta") << "DELETE FROM T WHERE A = (SELECT MAX(A) FROM T)"
                                 << ""
                                 << "";
    QTest::newRow("order by") << "UPDATE T SET A = 1 ORDER BY 1"
                              << ""
                              << "";
    QTest::newRow("returning") << "DELETE FROM T WHERE A = 1 RETURNING A"
                               << ""
                               << "";
    QTest::newRow("llamada a procedimiento") << "EXEC KQ_CREARAGENDA '05/03/2025'"
                                             << ""
                                             << "";
    QTest::newRow("definición") << "CREATE TABLE T (A VARCHAR(10) DEFAULT 'x')"
                                << ""
                                << "";
    QTest::newRow("parámetros propios") << "DELETE FROM T WHERE A = ? OR B = :b OR C = @c"
                                        << ""
                                        << "";
    QTest::newRow("literal blob") << "INSERT INTO T (A) VALUES (X'0A')"
                                  << ""
                                  << "";
    QTest::newRow("número hexadecimal") << "INSERT INTO T (A) VALUES (0x1F)"
                                        << ""
                                        << "";
    QTest::newRow("exponente") << "INSERT INTO T (A) VALUES (1e3)"
                               << ""
                               << "";
    QTest::newRow("entero de más de 64 bits") << "INSERT INTO T (A) VALUES (9223372036854775808)"
                                              << ""
                                              << "";
    QTest::newRow("lista de columnas entre comillas") << "INSERT INTO T ('A') VALUES (1)"
                                                      << ""
                                                      << "";
    QTest::newRow("tabla entre comillas") << "DELETE FROM 'T' WHERE A = 1"
                                          << ""
                                          << "";
    QTest::newRow("columna asignada entre comillas") << "UPDATE T SET A = 1, 'B' = 2"
                                                     << ""
                                                     << "";
    QTest::newRow("calificador entre comillas") << "UPDATE T SET A = 1 WHERE 'T'.B = 2"
                                                << ""
                                                << "";
    QTest::newRow("asignación de fila") << "UPDATE T SET (A, B) = (1, 2)"
                                        << ""
                                        << "";
    QTest::newRow("tipo con longitud") << "UPDATE T SET A = CAST(B AS VARCHAR(10))"
                                       << ""
                                       << "";
    QTest::newRow("comilla sin cerrar") << "UPDATE T SET A = 'x"
                                        << ""
                                        << "";
    QTest::newRow("dos puntos en un comentario") << "DELETE FROM T WHERE A = 1 -- a:b"
                                                 << ""
                                                 << "";
    QTest::newRow("carácter NUL") << QString("DELETE FROM T WHERE A = 'a") + QChar(0) + "b'"
                                  << ""
                                  << "";
}

void TstParametrizadorSqlite::parametriza()
{
    QFETCH(QString, entrada);
    QFETCH(QString, forma);
    const auto resultado = ParametrizadorSqlite::parametriza(entrada);
    if (forma.isEmpty()) {
        QVERIFY2(!resultado, qPrintable(resultado ? resultado->forma : QString()));
        return;
    }
    QVERIFY(resultado);
    QCOMPARE(resultado->forma, forma);
    QTEST(describe(resultado->valores), "valores");
}

void TstParametrizadorSqlite::demasiadosLiterales()
{
    QStringList valores;
    for (int i = 0; i < ParametrizadorSqlite::kMaximoLiterales; ++i)
        valores << QString::number(i);
    const QString sentencia = QStringLiteral("DELETE FROM T WHERE A IN (%1)");
    QVERIFY(ParametrizadorSqlite::parametriza(sentencia.arg(valores.join(u','))));
    valores << QStringLiteral("'uno mas'");
    QVERIFY(!ParametrizadorSqlite::parametriza(sentencia.arg(valores.join(u','))));
}

AGENDA_PRUEBA_SIN_VENTANAS(TstParametrizadorSqlite)
#include "tst_ParametrizadorSqlite.moc"
