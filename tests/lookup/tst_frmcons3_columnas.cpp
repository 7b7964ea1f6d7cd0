#include "ConsultaDePrueba.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/ui/ListView.h"

#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>

// Columns and widths of the list lookup, and the layout file that keeps the widths per table.
class TstFrmCons3Columnas : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void anchosIniciales();
    void titulosDeClasesDePrecio_data();
    void titulosDeClasesDePrecio();
    void calculaAnchos();
    void archivoDeAnchos_data();
    void archivoDeAnchos();
    void anchosAplicados_data();
    void anchosAplicados();

private:
    Lib_FrmCons3& abre(const QString& sql, bool grabar);
    void fijaAnchos(const QList<int>& anchos);
    [[nodiscard]] QByteArray archivo() const;
    void escribeArchivo(const QByteArray& contenido) const;
    std::unique_ptr<ConsultaDePrueba> prueba;
};

void TstFrmCons3Columnas::init()
{
    prueba = std::make_unique<ConsultaDePrueba>();
    prueba->clientes({QStringLiteral("1|Ana|Madrid")});
    prueba->ejecuta(QStringLiteral("CREATE TABLE PROVEEDORES (CODIGO VARCHAR(10), RAZON VARCHAR(30))"));
}

void TstFrmCons3Columnas::cleanup()
{
    prueba.reset();
}

Lib_FrmCons3& TstFrmCons3Columnas::abre(const QString& sql, bool grabar)
{
    Lib_FrmCons3& dialogo = prueba->nuevoDialogo();
    dialogo.SQL = sql;
    dialogo.GrabarCfg = grabar;
    prueba->muestra();
    return dialogo;
}

void TstFrmCons3Columnas::fijaAnchos(const QList<int>& anchos)
{
    for (int i = 0; i < anchos.size(); ++i)
        prueba->dialogo().ListView1().setAnchoColumna(i + 1, anchos[i]);
}

QByteArray TstFrmCons3Columnas::archivo() const
{
    QFile archivo(prueba->carpeta() + QStringLiteral("/CONSULTASLEN.KQW"));
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray("(none)");
}

void TstFrmCons3Columnas::escribeArchivo(const QByteArray& contenido) const
{
    QFile archivo(prueba->carpeta() + QStringLiteral("/CONSULTASLEN.KQW"));
    QVERIFY(archivo.open(QIODevice::WriteOnly));
    archivo.write(contenido);
}

void TstFrmCons3Columnas::anchosIniciales()
{
    Lib_FrmCons3& dialogo = abre(QStringLiteral("SELECT CORTO, LARGO FROM ANCHOS"), false);
    const QFontMetrics metricas(dialogo.font());
    const auto twips = [&](int letras) {
        return qRound(metricas.horizontalAdvance(QString(letras, u'X')) * 1440.0 / dialogo.logicalDpiX());
    };
    QCOMPARE(dialogo.ListView1().AnchoColumna(1), twips(10));
    QCOMPARE(dialogo.ListView1().AnchoColumna(2), twips(60));
}

void TstFrmCons3Columnas::titulosDeClasesDePrecio_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QString>("titulo");
    QTest::newRow("vista de artículos") << "PRUEBA_V_MA_ARTICULOS"
                                        << "Mayorista";
    QTest::newRow("tabla de artículos de existencias") << "PRUEBA_STK_MA_ARTICULOS"
                                                       << "Mayorista";
    QTest::newRow("cualquier otra tabla") << "PRECIOS"
                                          << "precio3";
}

void TstFrmCons3Columnas::titulosDeClasesDePrecio()
{
    QFETCH(QString, tabla);
    QFETCH(QString, titulo);
    prueba->ejecuta(
        QStringLiteral("CREATE TABLE %1 (DESCRIPCION VARCHAR(20), precio3 FLOAT, PRECIO9 FLOAT)").arg(tabla));
    prueba->ejecuta(QStringLiteral(
        "INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('DATOS', 'NOM_PCLASE3', 'Mayorista')"));
    Lib_FrmCons3& dialogo = abre(QStringLiteral("SELECT DESCRIPCION, precio3, PRECIO9 FROM %1").arg(tabla), false);
    QCOMPARE(dialogo.ListView1().TituloColumna(2), titulo);
    QCOMPARE(dialogo.ListView1().TituloColumna(3), QStringLiteral("PRECIO9"));
}

void TstFrmCons3Columnas::calculaAnchos()
{
    Lib_FrmCons3& dialogo
        = abre(QStringLiteral("SELECT CODIGO, NOMBRE, CIUDAD, CODIGO AS C2, NOMBRE AS N2 FROM CLIENTES"), false);
    // Hidden, the window's new width does not resize the list and panel at once.
    dialogo.hide();
    fijaAnchos({1000, 2000, 1500, 800, 700});
    dialogo.CalcularAncho();
    QCOMPARE(dialogo.AnchoTwips(dialogo.ListView1()), 6360);
    QCOMPARE(dialogo.AnchoTwips(dialogo.picFields()), 6360);
    QCOMPARE(dialogo.AnchoTwips(dialogo.HScroll1()), 6000);
    QCOMPARE(dialogo.HScroll1().maximum(), 4104);
    // The offscreen screen is 12000 twips wide: the window fits the list.
    QCOMPARE(dialogo.AnchoTwips(dialogo), 6640);
    QCOMPARE(dialogo.IzquierdaTwips(dialogo.CmbSearch(2)), 3000);
    QCOMPARE(dialogo.AnchoTwips(dialogo.CmbSearch(2)), 1450);

    fijaAnchos({1000, 2000, 1500, 800, 30});
    dialogo.CalcularAncho();
    QCOMPARE(dialogo.AnchoTwips(dialogo.CmbSearch(4)), 0);

    fijaAnchos({10000, 10000, 10000, 5000, 700});
    dialogo.CalcularAncho();
    QCOMPARE(dialogo.HScroll1().maximum(), 32700);
    QCOMPARE(dialogo.AnchoTwips(dialogo), 12000 - 480);
}

void TstFrmCons3Columnas::archivoDeAnchos_data()
{
    QTest::addColumn<QByteArray>("antes");
    QTest::addColumn<bool>("grabar");
    QTest::addColumn<QByteArray>("despues");

    QTest::newRow("archivo nuevo") << QByteArray() << true << QByteArray("\"CLIENTES\",\"1000|2000|\"\r\n");
    QTest::newRow("otras tablas conservadas, registro propio reemplazado y al final")
        << QByteArray("\"clientes\",\"5|5|\"\r\n\"PROVEEDORES\",\"700|900|\"\r\n") << true
        << QByteArray("\"PROVEEDORES\",\"700|900|\"\r\n\"CLIENTES\",\"1000|2000|\"\r\n");
    QTest::newRow("sin GrabarCfg no se guarda")
        << QByteArray("\"X\",\"1|\"\r\n") << false << QByteArray("\"X\",\"1|\"\r\n");
}

// Each lookup stores its own record; a stale temporary file left by a stopped program is replaced.
void TstFrmCons3Columnas::archivoDeAnchos()
{
    QFETCH(QByteArray, antes);
    QFETCH(bool, grabar);
    QFETCH(QByteArray, despues);
    if (!antes.isEmpty())
        escribeArchivo(antes);
    QFile aux(prueba->carpeta() + QStringLiteral("/CONSULTASLEN.AUX"));
    QVERIFY(aux.open(QIODevice::WriteOnly));
    aux.write("\"basura\",\"");
    aux.close();
    abre(QStringLiteral("SELECT CODIGO, NOMBRE FROM CLIENTES"), grabar);
    fijaAnchos({1000, 2000});
    prueba->cierra();
    QCOMPARE(archivo(), despues);
}

void TstFrmCons3Columnas::anchosAplicados_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<QList<int>>("anchos");
    QTest::addColumn<QString>("clave");

    QTest::newRow("gana el registro posterior, sin distinguir mayúsculas en la clave")
        << "SELECT CODIGO, NOMBRE, CIUDAD FROM CLIENTES"
        << QByteArray("\"CLIENTES\",\"1|2|3|\"\r\n\"clientes\",\"900|1200|1500|\"\r\n") << QList<int>{900, 1200, 1500}
        << "CLIENTES";
    QTest::newRow("menos anchos que columnas")
        << "SELECT CODIGO, NOMBRE, CIUDAD FROM CLIENTES" << QByteArray("\"CLIENTES\",\"900|1200|\"\r\n")
        << QList<int>{900, 1200, -1} << "CLIENTES";
    QTest::newRow("la clave termina en un salto de línea, sin comillas")
        << "SELECT CODIGO FROM \"CLIENTES\"\nWHERE CODIGO <> ''" << QByteArray("\"CLIENTES\",\"777|\"\r\n")
        << QList<int>{777} << "CLIENTES";
    QTest::newRow("from dentro de un literal no da la clave")
        << "SELECT 'de from X' AS NOTA, CODIGO FROM CLIENTES" << QByteArray("\"CLIENTES\",\"900|1200|\"\r\n")
        << QList<int>{900, 1200} << "CLIENTES";
    QTest::newRow("tabla de artículos de existencias guardada como la vista de artículos")
        << "SELECT CODIGO FROM Stk_ma_articulos" << QByteArray("\"VT_MA_ARTICULOS\",\"640|\"\r\n") << QList<int>{640}
        << "VT_MA_ARTICULOS";
    QTest::newRow("sin archivo la tabla de artículos conserva su nombre")
        << "SELECT CODIGO FROM Stk_ma_articulos" << QByteArray("(none)") << QList<int>{-1} << "Stk_ma_articulos";
}

void TstFrmCons3Columnas::anchosAplicados()
{
    QFETCH(QString, sql);
    QFETCH(QByteArray, contenido);
    QFETCH(QList<int>, anchos);
    QFETCH(QString, clave);
    prueba->ejecuta(QStringLiteral("CREATE TABLE Stk_ma_articulos (CODIGO VARCHAR(10))"));
    if (contenido != "(none)")
        escribeArchivo(contenido);
    Lib_FrmCons3& dialogo = abre(sql, false);
    for (int i = 0; i < anchos.size(); ++i)
        if (anchos[i] >= 0)
            QCOMPARE(dialogo.ListView1().AnchoColumna(i + 1), anchos[i]);
    QCOMPARE(dialogo.TablaConsulta(), clave);
    if (anchos[0] >= 0)
        QCOMPARE(dialogo.AnchoTwips(dialogo.CmbSearch(0)), anchos[0] - 50);
    prueba->cierra();
    QCOMPARE(archivo(), contenido);
}

AGENDA_PRUEBA(TstFrmCons3Columnas)
#include "tst_frmcons3_columnas.moc"
