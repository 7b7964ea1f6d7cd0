#include "copia/FirmaTabla.h"

#include <QTest>

Q_DECLARE_METATYPE(ClaseColumna)

// The same value written by either database must give the same canonical text, or a correct copy
// would be reported as different (and a different one as correct).
class TstFirmaTabla : public QObject {
    Q_OBJECT
private slots:
    void canonico_data();
    void canonico();
    void firmaSinOrdenYConNulos();
};

void TstFirmaTabla::canonico_data()
{
    QTest::addColumn<QByteArray>("valor");
    QTest::addColumn<ClaseColumna>("clase");
    QTest::addColumn<QByteArray>("canonico");
    QTest::newRow("importe del servidor con ceros")
        << QByteArray("13.0000") << ClaseColumna::Decimal << QByteArray("13");
    QTest::newRow("importe real del archivo") << QByteArray("12.5") << ClaseColumna::Decimal << QByteArray("12.5");
    QTest::newRow("importe con exponente")
        << QByteArray("1e+20") << ClaseColumna::Decimal << QByteArray("100000000000000000000");
    QTest::newRow("importe pequeño con exponente")
        << QByteArray("1.5e-05") << ClaseColumna::Decimal << QByteArray("0.000015");
    QTest::newRow("cero negativo") << QByteArray("-0.0000") << ClaseColumna::Decimal << QByteArray("0");
    QTest::newRow("negativo con ceros a la izquierda")
        << QByteArray("-007.10") << ClaseColumna::Decimal << QByteArray("-7.1");
    QTest::newRow("importe que no es un número") << QByteArray("12,5") << ClaseColumna::Decimal << QByteArray("12,5");
    QTest::newRow("fecha con T") << QByteArray("2025-03-05T09:30:00") << ClaseColumna::Fecha
                                 << QByteArray("2025-03-05 09:30:00");
    QTest::newRow("fecha sin segundos") << QByteArray("2025-03-05 09:30") << ClaseColumna::Fecha
                                        << QByteArray("2025-03-05 09:30:00");
    QTest::newRow("fecha sola") << QByteArray("2025-03-05") << ClaseColumna::Fecha << QByteArray("2025-03-05 00:00:00");
    QTest::newRow("milisegundos con ceros")
        << QByteArray("2025-03-05 09:30:00.500") << ClaseColumna::Fecha << QByteArray("2025-03-05 09:30:00.5");
    QTest::newRow("fracción nula") << QByteArray("2025-03-05 09:30:00.000") << ClaseColumna::Fecha
                                   << QByteArray("2025-03-05 09:30:00");
    QTest::newRow("texto con blancos finales") << QByteArray("José  ") << ClaseColumna::Texto << QByteArray("José  ");
    QTest::newRow("texto que parece un número") << QByteArray("13.0") << ClaseColumna::Texto << QByteArray("13.0");
}

void TstFirmaTabla::canonico()
{
    QFETCH(QByteArray, valor);
    QFETCH(ClaseColumna, clase);
    QFETCH(QByteArray, canonico);
    QCOMPARE(FirmaTabla::CanonicoDe(valor, clase), canonico);
}

// Rows in another order give the same checksum; NULL, '' and 'NULL' give three different ones, and
// so does a value moved to the next column.
void TstFirmaTabla::firmaSinOrdenYConNulos()
{
    const std::vector<ColumnaCopia> columnas{{"A", ClaseColumna::Texto}, {"B", ClaseColumna::Texto}};
    const auto firma = [&](const std::vector<FilaCopia>& filas) {
        FirmaTabla f;
        for (const FilaCopia& fila : filas)
            f.agrega(fila, columnas);
        return f.suma();
    };
    const FilaCopia uno{QByteArray("x"), std::nullopt};
    const FilaCopia dos{QByteArray("y"), QByteArray("z")};
    QCOMPARE(firma({uno, dos}), firma({dos, uno}));
    const QList<uint64_t> distintas{
        firma({{QByteArray("x"), std::nullopt}}), firma({{QByteArray("x"), QByteArray("")}}),
        firma({{QByteArray("x"), QByteArray("NULL")}}), firma({{std::nullopt, QByteArray("x")}}),
        firma({{QByteArray("x"), std::nullopt}, {QByteArray("x"), std::nullopt}})};
    for (qsizetype i = 0; i < distintas.size(); ++i)
        for (qsizetype j = i + 1; j < distintas.size(); ++j)
            QVERIFY2(distintas[i] != distintas[j], qPrintable(QStringLiteral("%1 y %2").arg(i).arg(j)));
}

AGENDA_PRUEBA_SIN_VENTANAS(TstFirmaTabla)
#include "tst_firmatabla.moc"
