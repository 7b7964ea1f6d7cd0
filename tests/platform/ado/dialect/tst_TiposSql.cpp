#include "platform/ado/dialect/TiposSql.h"

#include <QTest>

using namespace ado::dialecto;

Q_DECLARE_METATYPE(ado::dialecto::TipoExpresion)

// The type the server gives an expression decides how every operator around it is rewritten: a
// wrong one is a wrong answer without an error, so each rule of precedence and each function's
// result type is pinned here.
class TstTiposSql : public QObject {
    Q_OBJECT
private slots:
    void tipos_data();
    void tipos();
};

void TstTiposSql::tipos_data()
{
    QTest::addColumn<QString>("expresion");
    QTest::addColumn<TipoExpresion>("tipo");
    using T = TipoExpresion;
    const auto fila
        = [](const char* nombre, const QString& expresion, T tipo) { QTest::newRow(nombre) << expresion << tipo; };
    fila("enteros", QStringLiteral("1 + 2 * - 3"), T::Entero);
    fila("literal decimal", QStringLiteral("1.5"), T::Decimal);
    fila("exponente es real", QStringLiteral("1e3"), T::Real);
    fila("entero que no cabe en int", QStringLiteral("3000000000"), T::Decimal);
    fila("hexadecimal desconocido", QStringLiteral("0x1F"), T::Desconocido);
    fila("texto junto a un número da el número", QStringLiteral("'4' + 1"), T::Entero);
    fila("texto con texto", QStringLiteral("'a' + S"), T::Texto);
    fila("decimal entre entero", QStringLiteral("D / E"), T::Decimal);
    fila("real gana al decimal", QStringLiteral("R * D"), T::Real);
    fila("NULL solo", QStringLiteral("NULL"), T::Nulo);
    fila("NULL con un entero", QStringLiteral("(NULL) + E"), T::Entero);
    fila("parámetro", QStringLiteral("? + 1"), T::Desconocido);
    fila("columna no declarada", QStringLiteral("X + 1"), T::Desconocido);
    fila("columna calificada", QStringLiteral("dbo.T.D"), T::Decimal);
    fila("fecha menos días", QStringLiteral("FECHA - 1"), T::Fecha);
    fila("CASE de texto y entero", QStringLiteral("CASE WHEN E > 1 THEN 'a' ELSE 2 END"), T::Entero);
    fila("CASE sin resultados", QStringLiteral("CASE END"), T::Desconocido);
    fila("COALESCE por precedencia", QStringLiteral("COALESCE(NULL, E, 2.5)"), T::Decimal);
    fila("ISNULL toma el primero", QStringLiteral("ISNULL(E, 2.5)"), T::Entero);
    fila("ISNULL de NULL toma el segundo", QStringLiteral("ISNULL(NULL, S)"), T::Texto);
    fila("NULLIF de texto y número", QStringLiteral("NULLIF('3', E)"), T::Entero);
    fila("AVG de enteros", QStringLiteral("AVG(E)"), T::Entero);
    fila("AVG DISTINCT de decimales", QStringLiteral("AVG(DISTINCT D)"), T::Decimal);
    fila("funciones enteras, de texto y de fecha", QStringLiteral("LEN(S) + CHARINDEX('a', S)"), T::Entero);
    fila("LEFT", QStringLiteral("LEFT(S, 2)"), T::Texto);
    fila("GETDATE", QStringLiteral("GETDATE()"), T::Fecha);
    fila("CAST", QStringLiteral("CAST(S AS decimal(10, 2))"), T::Decimal);
    fila("CONVERT", QStringLiteral("CONVERT(varchar(10), E)"), T::Texto);
    fila("función desconocida", QStringLiteral("F(E)"), T::Desconocido);
    fila("subconsulta", QStringLiteral("(SELECT 1)"), T::Desconocido);
    fila("comparación", QStringLiteral("E = 1"), T::Desconocido);
    fila("paréntesis sin cerrar", QStringLiteral("(1 + 2"), T::Desconocido);
    fila("anidado más allá del límite", QString(70, u'(') + u'1' + QString(70, u')'), T::Desconocido);
    fila("anidado dentro del límite", QString(60, u'(') + u'1' + QString(60, u')'), T::Entero);
}

void TstTiposSql::tipos()
{
    QFETCH(QString, expresion);
    QFETCH(TipoExpresion, tipo);
    EsquemaDialecto esquema;
    const std::pair<const char*, TipoExpresion> columnas[] = {
        {"E", TipoExpresion::Entero}, {"D", TipoExpresion::Decimal},   {"R", TipoExpresion::Real},
        {"S", TipoExpresion::Texto},  {"FECHA", TipoExpresion::Fecha},
    };
    for (const auto& [columna, t] : columnas)
        esquema.declara(QStringLiteral("T"), QString::fromLatin1(columna), t);
    const VistaSql vista(expresion);
    TiposSql tipos(vista, esquema);
    QCOMPARE(static_cast<int>(tipos.tipoTramo(0, vista.size() - 1, 0)), static_cast<int>(tipo));
}

AGENDA_PRUEBA_SIN_VENTANAS(TstTiposSql)
#include "tst_TiposSql.moc"
