#include "platform/ado/dialect/PasoPropietarios.h"

#include <QTest>

using namespace ado::dialecto;

// The owner goes wherever a name follows it; brackets and quotes are written by the writer, so the
// table also pins what the marks object writes for them.
class TstPasoPropietarios : public QObject {
    Q_OBJECT
private slots:
    void propietarios_data();
    void propietarios();
};

void TstPasoPropietarios::propietarios_data()
{
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<bool>("minusculas");
    QTest::addColumn<QString>("salida");
    const auto fila = [](const char* nombre, const char* entrada, bool minusculas, const char* salida) {
        QTest::newRow(nombre) << QString::fromUtf8(entrada) << minusculas << QString::fromUtf8(salida);
    };
    fila("dbo y [dbo]", "SELECT * FROM dbo.T JOIN [dbo].[U] ON DBO.T.a = U.a", false,
         "SELECT * FROM T JOIN \"U\" ON T.a = U.a");
    fila("en una definición", "CREATE VIEW dbo.V AS SELECT a FROM dbo.T", false, "CREATE VIEW V AS SELECT a FROM T");
    fila("\"dbo\" entre comillas es un nombre", "SELECT \"dbo\".a FROM T", false, "SELECT \"dbo\".a FROM T");
    fila("otro propietario queda", "SELECT * FROM ventas.T", false, "SELECT * FROM ventas.T");
    fila("dbo sin nombre detrás", "SELECT dbo.", false, "SELECT dbo.");
    fila("dbo.dbo.T", "SELECT * FROM dbo.dbo.T", false, "SELECT * FROM T");
    fila("nombres en minúsculas", "SELECT [Nombre], \"Otro\", N'x' FROM [dbo].T", true,
         "SELECT \"nombre\", \"otro\", 'x' FROM T");
}

void TstPasoPropietarios::propietarios()
{
    QFETCH(QString, entrada);
    QFETCH(bool, minusculas);
    QFETCH(QString, salida);
    const VistaSql vista(entrada);
    MarcasSql marcas(vista);
    PasoPropietarios(vista, marcas).aplica();
    QCOMPARE(marcas.escribe(minusculas), salida);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstPasoPropietarios)
#include "tst_PasoPropietarios.moc"
