#include "platform/ado/TiposColumnas.h"

#include <QTest>

// Where a statement declares a column's type: every type found is written back as <name:measures>,
// so a row shows what was taken for a type and what was left alone.
class TstTiposColumnas : public QObject {
    Q_OBJECT
private slots:
    void tipos_data();
    void tipos();
};

void TstTiposColumnas::tipos_data()
{
    QTest::addColumn<QString>("sentencia");
    QTest::addColumn<QString>("esperada");
    const auto fila = [](const char* nombre, const char* sentencia, const char* esperada) {
        QTest::newRow(nombre) << QString::fromUtf8(sentencia) << QString::fromUtf8(esperada);
    };
    fila("tipos con y sin medidas", "CREATE TABLE T (A DATETIME NOT NULL, B nvarchar( max ), C decimal(10, 2))",
         "CREATE TABLE T (A <datetime:> NOT NULL, B <nvarchar:max>, C <decimal:10, 2>)");
    fila("restricciones de tabla", "CREATE TABLE T (A INT, CONSTRAINT PK PRIMARY KEY (A), UNIQUE (A), CHECK (A > 0))",
         "CREATE TABLE T (A <int:>, CONSTRAINT PK PRIMARY KEY (A), UNIQUE (A), CHECK (A > 0))");
    fila("columnas con nombre de tipo", "CREATE TABLE dbo.[T] ([Date] DATE, Text TEXT, \"bit\" bit)",
         "CREATE TABLE dbo.[T] ([Date] <date:>, Text <text:>, \"bit\" <bit:>)");
    fila("comentarios y valores por omisión", "CREATE TABLE T (A /* x, y */ money DEFAULT (0), B bit -- z,\n)",
         "CREATE TABLE T (A /* x, y */ <money:> DEFAULT (0), B <bit:> -- z,\n)");
    fila("columnas añadidas", "ALTER TABLE T ADD A datetime, B varchar(10) DEFAULT ('a,b')",
         "ALTER TABLE T ADD A <datetime:>, B <varchar:10> DEFAULT ('a,b')");
    fila("columna añadida con COLUMN", "alter table T add column A bit", "alter table T add column A <bit:>");
    fila("restricción añadida", "ALTER TABLE T ADD CONSTRAINT U UNIQUE (A)",
         "ALTER TABLE T ADD CONSTRAINT U UNIQUE (A)");
    fila("consulta", "SELECT CAST(x AS datetime) FROM T", "SELECT CAST(x AS datetime) FROM T");
    fila("tabla desde una consulta", "CREATE TABLE T AS SELECT CAST(x AS datetime) FROM U",
         "CREATE TABLE T AS SELECT CAST(x AS datetime) FROM U");
    fila("vista", "CREATE VIEW V AS SELECT A datetime FROM T", "CREATE VIEW V AS SELECT A datetime FROM T");
    fila("paréntesis sin cerrar", "CREATE TABLE T (A varchar(10", "CREATE TABLE T (A varchar(10");
    fila("paréntesis sin cerrar antes de otro cerrado", "ALTER TABLE T ADD B varchar(10 DEFAULT ('a,b')",
         "ALTER TABLE T ADD B varchar(10 DEFAULT ('a,b')");
}

void TstTiposColumnas::tipos()
{
    QFETCH(QString, sentencia);
    QFETCH(QString, esperada);
    const QString cambiada = ado::CambiaTiposColumnas(sentencia, [](const ado::TipoColumna& t) {
        return std::optional<QString>(QStringLiteral("<%1:%2>").arg(t.nombre, t.medidas));
    });
    QCOMPARE(cambiada, esperada);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstTiposColumnas)
#include "tst_tiposcolumnas.moc"
