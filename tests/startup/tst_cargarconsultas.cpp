#include "lookup/Lib_ClsCons3.h"
#include "lookup/RegConsulta.h"
#include "runtime/ErrorVB.h"
#include "startup/ModGlobal.h"
#include "support/VerificaAdo.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The catalogue file written at start-up: its exact bytes, and what happens to a file already there.
class TstCargarConsultas : public QObject {
    Q_OBJECT
private slots:
    void archivoNuevoTieneLosOchoRegistros();
    void registrosVanTrasElUltimoCompleto_data();
    void registrosVanTrasElUltimoCompleto();
    void carpetaSinPermisoEleva75();

private:
    static QByteArray escribeEn(const QString& ruta)
    {
        ModGlobal::ClsCons3().gRutaMascaraConsultas = ruta;
        ModGlobal::CargarConsultas();
        QFile f(ruta);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

void TstCargarConsultas::archivoNuevoTieneLosOchoRegistros()
{
    QTemporaryDir carpeta;
    const QByteArray bytes = escribeEn(carpeta.filePath("consultas.kqw"));
    QCOMPARE(bytes.size(), 9616);
    QVERIFY(!bytes.contains('\0'));
    const QStringList esperados{"ARTICULOS|V_MA_ARTICULOS|",   "CLIENTES|VT_CLIENTES|",
                                "PROVEEDORES|VT_PROVEEDORES|", "CONTACTOS|MA_CONTACTOS|",
                                "VENDEDORES|V_TA_VENDEDORES|", "TECNICOS|V_TA_TECNICOS|",
                                "TECNICOS|V_TA_TECNICOS|",     "MANTENIMIENTOS|V_MA_MANTENIMIENTOS|"};
    for (int i = 0; i < 8; ++i) {
        const QByteArray registro = bytes.mid(i * 1202, 1202);
        QCOMPARE(registro.right(2), QByteArray("\r\n"));
        const RegConsulta r = RegConsulta::desdeBytes(registro);
        QCOMPARE(r.NombreConsulta.trimmed() + '|' + r.OrigenConsulta.trimmed() + '|', esperados[i]);
        QVERIFY(r.FiltroConsulta.trimmed().isEmpty());
    }
    QCOMPARE(bytes.mid(200, 30), QByteArray("|DESCRIPCION|IDARTICULO|      "));
    QCOMPARE(bytes.mid(5 * 1202, 1202), bytes.mid(6 * 1202, 1202));
}

void TstCargarConsultas::registrosVanTrasElUltimoCompleto_data()
{
    QTest::addColumn<QByteArray>("previo");
    QTest::addColumn<int>("largoFinal");
    QTest::addColumn<int>("conservados");
    // A partial record left by an interrupted writer is overwritten from its start.
    QTest::newRow("registro incompleto") << QByteArray(700, 'x') << 9616 << 0;
    QTest::newRow("un registro completo y medio") << QByteArray(1202 + 600, 'x') << 9616 + 1202 << 1202;
}

void TstCargarConsultas::registrosVanTrasElUltimoCompleto()
{
    QFETCH(QByteArray, previo);
    QFETCH(int, largoFinal);
    QFETCH(int, conservados);
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("consultas.kqw");
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(previo);
    f.close();
    const QByteArray bytes = escribeEn(ruta);
    QCOMPARE(bytes.size(), largoFinal);
    QCOMPARE(bytes.left(conservados), previo.left(conservados));
    QVERIFY(bytes.mid(conservados).startsWith("ARTICULOS "));
}

void TstCargarConsultas::carpetaSinPermisoEleva75()
{
    ModGlobal::ClsCons3().gRutaMascaraConsultas = "/proc/no-se-puede/consultas.kqw";
    const ErrorVB e = ErrorDe([&] { ModGlobal::CargarConsultas(); });
    QCOMPARE(e.numero(), 75);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstCargarConsultas)
#include "tst_cargarconsultas.moc"
