#include "support/BaseDePrueba.h"

#include "db/ArchivoBaseDatos.h"
#include "db/BaseServidor.h"
#include "platform/ado/sqlite/FuncionesSqlite.h"
#include "runtime/ErrorVB.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>

#include <sqlite3.h>

namespace {

// Every server database of a run gets a name of its own; two test programs may run at once.
QString nombreServidor()
{
    static int creadas = 0;
    return QStringLiteral("prueba_%1_%2").arg(QCoreApplication::applicationPid()).arg(++creadas);
}

void ejecutaEnServidor(const QString& sentencia)
{
    ado::Connection servidor;
    servidor.Open(ServidorDePrueba() + QStringLiteral(";Database=postgres"));
    servidor.Execute(sentencia);
}

// A database on the test server made once per run for each kind of test database; every test
// database is a copy of it, far quicker than running the schema and the demo rows again. The
// templates go with the throwaway cluster.
QString plantillaServidor(bool conDemo, const QDate& hoy)
{
    static QMap<QString, QString> hechas;
    const QString clave = QStringLiteral("%1_%2").arg(conDemo).arg(hoy.toString(Qt::ISODate));
    auto it = hechas.constFind(clave);
    if (it == hechas.constEnd()) {
        const QString nombre = QStringLiteral("plantilla_") + nombreServidor();
        BaseServidor::Crea(ServidorDePrueba() + QStringLiteral(";Database=") + nombre, conDemo, hoy);
        it = hechas.insert(clave, nombre);
    }
    return *it;
}

} // namespace

BaseDePrueba::BaseDePrueba(bool conDemo, const QDate& hoy, Motor motor) : motor_(motor)
{
    if (motor_ == Motor::SQLite) {
        ruta_ = carpeta_.filePath(QStringLiteral("agenda.db"));
        ArchivoBaseDatos::Crea(ruta_, conDemo, hoy);
        return;
    }
    ruta_ = nombreServidor();
    ejecutaEnServidor(QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(ruta_, plantillaServidor(conDemo, hoy)));
}

BaseDePrueba::BaseDePrueba(Vacia) : ruta_(carpeta_.filePath(QStringLiteral("prueba.db"))), vacia_(true) { }

BaseDePrueba::~BaseDePrueba()
{
    sqlite3_close_v2(directa_);
    if (motor_ != Motor::PostgreSQL)
        return;
    try {
        if (conexion_.State() == ado::adStateOpen)
            conexion_.Close();
        ejecutaEnServidor(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(ruta_));
    } catch (const ErrorVB& e) {
        qWarning("No se pudo borrar la base de prueba %s: %s", qPrintable(ruta_), e.what());
    }
}

QString BaseDePrueba::cadenaConexion() const
{
    if (motor_ == Motor::SQLite)
        return ArchivoBaseDatos::CadenaConexion(ruta_) + (vacia_ ? QStringLiteral(";Crear=SI") : QString());
    return ServidorDePrueba() + QStringLiteral(";Database=") + ruta_;
}

void BaseDePrueba::prepara(const QStringList& sentencias)
{
    conexion_.Open(cadenaConexion());
    for (const QString& sentencia : sentencias)
        conexion_.Execute(sentencia);
}

QString BaseDePrueba::filasDirectas(const QString& sql)
{
    if (motor_ != Motor::SQLite)
        return QStringLiteral("ERROR: solo una base embebida se lee directamente");
    if (!directa_) {
        sqlite3_open_v2(QFile::encodeName(ruta_).constData(), &directa_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr);
        ado::sqlite::RegistraFuncionesDialecto(directa_);
    }
    sqlite3_stmt* sentencia = nullptr;
    const QByteArray texto = sql.toUtf8();
    if (sqlite3_prepare_v2(directa_, texto.constData(), -1, &sentencia, nullptr) != SQLITE_OK)
        return QStringLiteral("ERROR: ") + QString::fromUtf8(sqlite3_errmsg(directa_));
    QStringList filas;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(sentencia)) == SQLITE_ROW) {
        QStringList columnas;
        for (int c = 0; c < sqlite3_column_count(sentencia); ++c) {
            const auto* valor = reinterpret_cast<const char*>(sqlite3_column_text(sentencia, c));
            columnas << (valor ? QString::fromUtf8(valor) : QStringLiteral("NULL"));
        }
        filas << columnas.join(u'|');
    }
    const QString error = QString::fromUtf8(sqlite3_errmsg(directa_));
    sqlite3_finalize(sentencia);
    return rc == SQLITE_DONE ? filas.join(u',') : QStringLiteral("ERROR: ") + error;
}
