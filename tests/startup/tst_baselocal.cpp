#include "data/DB_Dll.h"
#include "db/ArchivoBaseDatos.h"
#include "platform/ado/Recordset.h"
#include "runtime/Entorno.h"
#include "runtime/ErrorVB.h"
#include "runtime/Estacion.h"
#include "startup/BaseLocal.h"
#include "startup/ModGlobal.h"
#include "support/DialogosGuionados.h"
#include "support/ModoArchivo.h"
#include "support/VerificaAdo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

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
    QTest::addColumn<QString>("ruta"); // relative to the temporary root; "" when none is named
    QTest::addColumn<bool>("yaExiste");
    // The person's notes are personal data: the file 0600 and the program's data folders 0700, also
    // when they were open before; a file of the person's own elsewhere keeps its modes.
    QTest::addColumn<int>("modoArchivo");
    QTest::addColumn<int>("modoCarpeta"); // of the file's folder; -1: not the program's, not checked
    QTest::newRow("sin INI: diálogo de acceso") << "-"
                                                << "" << false << 0 << 0;
    QTest::newRow("clave en blanco: diálogo de acceso") << "  "
                                                        << "" << false << 0 << 0;
    QTest::newRow("nombre solo en la carpeta de datos") << "agenda.db"
                                                        << "datos/agenda/agenda.db" << false << 0600 << 0700;
    QTest::newRow("ruta relativa en la carpeta de datos") << "bases/mia.db"
                                                          << "datos/agenda/bases/mia.db" << false << 0600 << 0700;
    QTest::newRow("ruta absoluta, carpeta creada") << "@/otra/agenda.db"
                                                   << "otra/agenda.db" << false << 0600 << -1;
    QTest::newRow("archivo existente abierto a todos se hace privado")
        << "agenda.db"
        << "datos/agenda/agenda.db" << true << 0600 << 0700;
    QTest::newRow("archivo existente en otro sitio conserva sus permisos") << "@/otra/agenda.db"
                                                                           << "otra/agenda.db" << true << 0644 << 0755;
}

void TstBaseLocal::lineaDeArranque()
{
    QFETCH(QString, valor);
    QFETCH(QString, ruta);
    QFETCH(bool, yaExiste);
    QFETCH(int, modoArchivo);
    QFETCH(int, modoCarpeta);
    if (valor != u"-")
        escribeIni(QString(valor).replace(u'@', raiz_->path()));
    const QString archivo = ruta.isEmpty() ? QString() : raiz_->filePath(ruta);
    if (yaExiste) {
        QVERIFY(QDir().mkpath(QFileInfo(archivo).absolutePath()));
        ArchivoBaseDatos::Crea(archivo, true, QDate(2025, 3, 5));
        QCOMPARE(::chmod(QFile::encodeName(archivo).constData(), 0644), 0);
        QCOMPARE(::chmod(QFile::encodeName(QFileInfo(archivo).absolutePath()).constData(), 0755), 0);
    }

    QString linea = BaseLocal::LineaDeArranque();
    QCOMPARE(BaseLocal::Ruta(), archivo);
    if (archivo.isEmpty()) {
        QCOMPARE(linea, QString());
        return;
    }
    QCOMPARE(linea, "@Server=(local);@DbName=" + archivo + ";@Usuario=ana;@Password=;@Proveedor=SQLite;");
    QCOMPARE(ModoArchivo(archivo), modoArchivo);
    if (modoCarpeta >= 0)
        QCOMPARE(ModoArchivo(QFileInfo(archivo).absolutePath()), modoCarpeta);

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
    const ErrorVB e = ErrorDe([&] { (void)BaseLocal::LineaDeArranque(); });
    QCOMPARE(e.numero(), 5);
    QVERIFY(!QFileInfo::exists(BaseLocal::Ruta()));
}

AGENDA_PRUEBA(TstBaseLocal)
#include "tst_baselocal.moc"
