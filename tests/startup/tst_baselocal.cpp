#include "data/DB_Dll.h"
#include "db/ArchivoBaseDatos.h"
#include "platform/ado/Recordset.h"
#include "runtime/Entorno.h"
#include "runtime/ErrorVB.h"
#include "runtime/Estacion.h"
#include "startup/BaseLocal.h"
#include "startup/ModGlobal.h"
#include "support/DialogosGuionados.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The person's own embedded database named by CN000pr.INI: where it lies, its creation on the first
// start (and only then), and the start-up line that opens it without any dialog.
class TstBaseLocal : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lineaDeArranque_data();
    void lineaDeArranque();
    void rutaConPuntoYComaEsError();

private:
    void escribeIni(const QString& valor);
    std::unique_ptr<QTemporaryDir> raiz_;
};

namespace {
int cuenta(const QString& tabla)
{
    QString sql = QStringLiteral("SELECT * FROM ") + tabla;
    ado::Recordset rs;
    DB_Dll::Compartido().AbrirRecordset(sql, &rs);
    return rs.State() == ado::adStateOpen ? rs.RecordCount() : -1;
}
} // namespace

void TstBaseLocal::init()
{
    raiz_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", raiz_->filePath(QStringLiteral("datos")).toLocal8Bit());
    Entorno::FijaCarpetaPrograma(raiz_->path());
    Entorno::FijaRutasIni({raiz_->path()});
    Estacion::FijaNombreUsuario("ana");
}

void TstBaseLocal::cleanup()
{
    DB_Dll& db = DB_Dll::Compartido();
    db.setGCnn(nullptr);
    db.gOpenFlag = false;
    db.gProveedor.clear();
    Entorno::FijaCarpetaPrograma({});
    Entorno::FijaRutasIni({});
}

void TstBaseLocal::escribeIni(const QString& valor)
{
    QFile ini(raiz_->filePath(QStringLiteral("CN000pr.INI")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[Agenda]\r\nBaseLocal=%1\r\n").arg(valor).toLocal8Bit());
}

void TstBaseLocal::lineaDeArranque_data()
{
    QTest::addColumn<QString>("valor"); // "-": no INI file at all; "@" stands for the temporary root
    QTest::addColumn<QString>("ruta");  // relative to the temporary root; "" when none is named
    QTest::addColumn<bool>("yaExiste");
    QTest::newRow("no INI: login dialog") << "-" << "" << false;
    QTest::newRow("blank key: login dialog") << "  " << "" << false;
    QTest::newRow("bare name in the data folder") << "agenda.db" << "datos/agenda/agenda.db" << false;
    QTest::newRow("relative path in the data folder") << "bases/mia.db" << "datos/agenda/bases/mia.db" << false;
    QTest::newRow("absolute path, folder created") << "@/otra/agenda.db" << "otra/agenda.db" << false;
    QTest::newRow("existing file is kept") << "agenda.db" << "datos/agenda/agenda.db" << true;
}

void TstBaseLocal::lineaDeArranque()
{
    QFETCH(QString, valor);
    QFETCH(QString, ruta);
    QFETCH(bool, yaExiste);
    if (valor != u"-")
        escribeIni(QString(valor).replace(u'@', raiz_->path()));
    const QString archivo = ruta.isEmpty() ? QString() : raiz_->filePath(ruta);
    if (yaExiste) {
        QVERIFY(QDir().mkpath(QFileInfo(archivo).absolutePath()));
        ArchivoBaseDatos::Crea(archivo, true, QDate(2025, 3, 5));
    }

    QString linea = BaseLocal::LineaDeArranque();
    QCOMPARE(BaseLocal::Ruta(), archivo);
    if (archivo.isEmpty()) {
        QCOMPARE(linea, QString());
        return;
    }
    QCOMPARE(linea, "@Server=(local);@DbName=" + archivo + ";@Usuario=ana;@Password=;@Proveedor=SQLite;");

    DialogosDePrueba dialogos;
    bool usaIni = false;
    QString cadena;
    ModGlobal::IniciarConexion(usaIni, linea, cadena);
    QVERIFY(dialogos->registros().isEmpty());
    QVERIFY(DB_Dll::Compartido().gOpenFlag);
    QString aux;
    QCOMPARE(ModGlobal::Cfg(QStringLiteral("MinutosAgenda"), aux), "30");
    QCOMPARE(cuenta(QStringLiteral("ta_usuarios")), yaExiste ? 2 : 0);
    QCOMPARE(cuenta(QStringLiteral("MV_AGENDA")) > 0, yaExiste);
}

void TstBaseLocal::rutaConPuntoYComaEsError()
{
    escribeIni(QStringLiteral("a;b.db"));
    try {
        (void)BaseLocal::LineaDeArranque();
        QFAIL("a \";\" would cut the start-up line");
    } catch (const ErrorVB& e) {
        QCOMPARE(e.numero(), 5);
    }
    QVERIFY(!QFileInfo::exists(BaseLocal::Ruta()));
}

QTEST_MAIN(TstBaseLocal)
#include "tst_baselocal.moc"
