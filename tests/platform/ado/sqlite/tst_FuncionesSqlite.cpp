#include "runtime/Reloj.h"
#include "support/BaseDePrueba.h"

#include <QTest>

class TstFuncionesSqlite : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Reloj::libera(); }
    void funcion_data();
    void funcion();
};

void TstFuncionesSqlite::funcion_data()
{
    QTest::addColumn<QString>("expresion");
    QTest::addColumn<QString>("valor");

    QTest::newRow("collation: accented upper equals accented lower") << "'JOSÉ' = 'José' COLLATE KQ_CI"
                                                                     << "1";
    QTest::newRow("collation: accents are kept") << "'JOSE' = 'José' COLLATE KQ_CI"
                                                 << "0";
    QTest::newRow("collation: trailing blanks ignored") << "'ADMIN  ' = 'admin' COLLATE KQ_CI"
                                                        << "1";
    QTest::newRow("collation: leading blanks count") << "' admin' = 'admin' COLLATE KQ_CI"
                                                     << "0";
    QTest::newRow("collation: order ignores case") << "'b' > 'A' COLLATE KQ_CI"
                                                   << "1";
    QTest::newRow("collation: shorter first") << "'ab' < 'ABC' COLLATE KQ_CI"
                                              << "1";
    QTest::newRow("collation: broken UTF-8 compared byte by byte")
        << "CAST(X'FF41' AS TEXT) = CAST(X'FF61' AS TEXT) COLLATE KQ_CI"
        << "1";
    QTest::newRow("collation: truncated sequence") << "CAST(X'C3' AS TEXT) < CAST(X'C389' AS TEXT) COLLATE KQ_CI"
                                                   << "0";

    QTest::newRow("len: trailing blanks not counted") << "KQ_LEN('abc  ')"
                                                      << "3";
    QTest::newRow("len: characters, not bytes") << "KQ_LEN(' José')"
                                                << "5";
    QTest::newRow("len: blanks only") << "KQ_LEN('   ')"
                                      << "0";
    QTest::newRow("len: number as text") << "KQ_LEN(1234)"
                                         << "4";
    QTest::newRow("len: null") << "KQ_LEN(NULL)"
                               << "NULL";

    QTest::newRow("charindex: ignores case with accents") << "KQ_CHARINDEX('SÉ', 'José')"
                                                          << "3";
    QTest::newRow("charindex: absent") << "KQ_CHARINDEX('x', 'abc')"
                                       << "0";
    QTest::newRow("charindex: from a start") << "KQ_CHARINDEX('a', 'banana', 3)"
                                             << "4";
    QTest::newRow("charindex: start below one") << "KQ_CHARINDEX('a', 'banana', -5)"
                                                << "2";
    QTest::newRow("charindex: start past the end") << "KQ_CHARINDEX('a', 'banana', 9)"
                                                   << "0";
    QTest::newRow("charindex: empty sought") << "KQ_CHARINDEX('', 'abc')"
                                             << "0";
    QTest::newRow("charindex: null") << "KQ_CHARINDEX(NULL, 'abc')"
                                     << "NULL";

    QTest::newRow("getdate: program clock, whole seconds") << "KQ_GETDATE()"
                                                           << "2025-03-05 09:30:15";

    // The one date reader, seen through the functions: its further forms and the server's rounding.
    const QString ilegible = QStringLiteral(
        "ERROR: Error de conversión al convertir una fecha u hora a partir de una cadena de caracteres.");
    QTest::newRow("fecha: las 12 AM son medianoche") << "KQ_CONVERT('31/12/2024 12:05 AM', 'datetime')"
                                                     << "2024-12-31 00:05:00";
    QTest::newRow("fecha: las 12 PM son mediodía") << "KQ_CONVERT('12:05PM', 'datetime')"
                                                   << "1900-01-01 12:05:00";
    QTest::newRow("fecha: 13 PM no es una hora") << "KQ_CONVERT('05/03/2025 13:00 PM', 'datetime')" << ilegible;
    QTest::newRow("fecha: seis cifras imposibles") << "KQ_CONVERT('251305', 'datetime')" << ilegible;
    QTest::newRow("fecha: blancos solos") << "KQ_CONVERT('   ', 'datetime')"
                                          << "1900-01-01 00:00:00";
    QTest::newRow("fecha: redondeo que cambia de año") << "KQ_CONVERT('31/12/2024 23:59:59.999', 'datetime')"
                                                       << "2025-01-01 00:00:00";
    QTest::newRow("fecha: resta de medio día") << "KQ_SUMA('2025-03-01 06:00:00', -0.5)"
                                               << "2025-02-28 18:00:00";

    QTest::newRow("like: upper pattern, accented text") << "'José Pérez' LIKE 'JOSÉ%'"
                                                        << "1";
    QTest::newRow("like: accents are kept") << "'José' LIKE 'jose'"
                                            << "0";
    QTest::newRow("like: one character beyond ASCII") << "'Ñandú' LIKE 'ñ_nd_'"
                                                      << "1";
    QTest::newRow("like: set") << "'b' LIKE '[abc]'"
                               << "1";
    QTest::newRow("like: range ignores case") << "'B' LIKE '[a-c]'"
                                              << "1";
    QTest::newRow("like: outside range") << "'d' LIKE '[a-c]'"
                                         << "0";
    QTest::newRow("like: negated range") << "'d' LIKE '[^a-c]'"
                                         << "1";
    QTest::newRow("like: bracketed percent") << "'5%' LIKE '5[%]'"
                                             << "1";
    QTest::newRow("like: unclosed bracket matches nothing") << "'[x' LIKE '[x'"
                                                            << "0";
    QTest::newRow("like: upper-case letter is no lower-case escape") << "'Zebra' LIKE 'Z%' ESCAPE 'z'"
                                                                     << "1";
    QTest::newRow("like: backwards range takes nothing") << "'b' LIKE '[c-a]'"
                                                         << "0";
    QTest::newRow("like: escape") << "'50%' LIKE '50!%' ESCAPE '!'"
                                  << "1";
    QTest::newRow("like: escaped percent is literal") << "'500' LIKE '50!%' ESCAPE '!'"
                                                      << "0";
    QTest::newRow("like: many percents, no match")
        << "'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab' LIKE '%a%a%a%a%a%a%a%a%a%c'"
        << "0";
    QTest::newRow("like: trailing percent matches empty") << "'abc' LIKE 'abc%%'"
                                                          << "1";
    QTest::newRow("like: null") << "NULL LIKE 'a'"
                                << "NULL";
    QTest::newRow("like: escape of two characters")
        << "'a' LIKE 'a' ESCAPE 'ab'"
        << "ERROR: Se ha especificado el carácter de escape no válido \"ab\" en un predicado LIKE.";

    QTest::newRow("upper beyond ASCII") << "upper('josé ñandú')"
                                        << "JOSÉ ÑANDÚ";
    QTest::newRow("lower beyond ASCII") << "lower('ÁRBOL Ç')"
                                        << "árbol ç";
    QTest::newRow("upper of null") << "upper(NULL)"
                                   << "NULL";
}

void TstFuncionesSqlite::funcion()
{
    QFETCH(QString, expresion);
    QFETCH(QString, valor);
    Reloj::fija(QDateTime(QDate(2025, 3, 5), QTime(9, 30, 15, 250)));
    BaseDePrueba base{BaseDePrueba::Vacia{}};
    QCOMPARE(base.filasDirectas(QStringLiteral("SELECT ") + expresion), valor);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstFuncionesSqlite)
#include "tst_FuncionesSqlite.moc"
