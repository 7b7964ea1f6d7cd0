#include "copia/LadoArchivo.h"

#include "copia/InterrupcionCopia.h"
#include "db/ArchivoBaseDatos.h"
#include "db/EsquemaAgenda.h"
#include "platform/ado/Connection.h"
#include "platform/ado/sqlite/TiposSqlite.h"
#include "runtime/ErrorVB.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace {

QString citado(const QString& nombre)
{
    return u'"' + QString(nombre).replace(u'"', QLatin1String("\"\"")) + u'"';
}

// A real as the shortest text that reads back as the same number.
QByteArray textoDeReal(double valor)
{
    char texto[32];
    const auto [fin, error] = std::to_chars(texto, texto + sizeof texto, valor);
    return error == std::errc() ? QByteArray(texto, fin - texto) : QByteArray::number(valor, 'g', 17);
}

// Writes a file, or a folder's list of names, to the disk.
bool sincroniza(const QString& ruta, bool carpeta)
{
    const int fd = ::open(QFile::encodeName(ruta).constData(), carpeta ? O_RDONLY | O_DIRECTORY : O_RDONLY);
    if (fd < 0)
        return false;
    const bool bien = ::fsync(fd) == 0;
    ::close(fd);
    return bien;
}

class Sentencia {
public:
    Sentencia(sqlite3* base, const QString& texto)
    {
        const QByteArray utf8 = texto.toUtf8();
        rc_ = sqlite3_prepare_v2(base, utf8.constData(), static_cast<int>(utf8.size()), &sentencia_, nullptr);
    }
    ~Sentencia() { sqlite3_finalize(sentencia_); }
    Sentencia(const Sentencia&) = delete;
    Sentencia& operator=(const Sentencia&) = delete;
    [[nodiscard]] bool preparada() const { return rc_ == SQLITE_OK; }
    [[nodiscard]] sqlite3_stmt* operator*() const { return sentencia_; }

private:
    sqlite3_stmt* sentencia_ = nullptr;
    int rc_;
};

} // namespace

LadoArchivo::LadoArchivo(QString ruta) : ruta_(std::move(ruta)) { }

LadoArchivo::~LadoArchivo()
{
    descarta();
}

QString LadoArchivo::descripcion() const
{
    return QStringLiteral("el archivo %1").arg(QFileInfo(ruta_).absoluteFilePath());
}

void LadoArchivo::falla(const QString& que) const
{
    QString causa = base_ ? QString::fromUtf8(sqlite3_errmsg(base_)) : QString();
    if (base_ && sqlite3_errcode(base_) == SQLITE_FULL)
        causa = QStringLiteral("el disco está lleno");
    throw FalloCopia{causa.isEmpty() ? que : QStringLiteral("%1: %2").arg(que, causa)};
}

void LadoArchivo::ejecuta(const char* sentencia)
{
    if (sqlite3_exec(base_, sentencia, nullptr, nullptr, nullptr) != SQLITE_OK)
        falla(QStringLiteral("No se pudo escribir %1").arg(descripcion()));
}

void LadoArchivo::cierra() noexcept
{
    sqlite3_finalize(insercion_);
    insercion_ = nullptr;
    sqlite3_close(base_);
    base_ = nullptr;
}

void LadoArchivo::abreLectura()
{
    if (!QFileInfo(ruta_).isFile())
        throw FalloCopia{QStringLiteral("No existe %1.").arg(descripcion())};
    sqlite3* origen = nullptr;
    const QByteArray nombre = QFile::encodeName(ruta_);
    int rc = sqlite3_open_v2(nombre.constData(), &origen, SQLITE_OPEN_READONLY, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_open(":memory:", &base_);
    if (rc == SQLITE_OK) {
        // A desk that is writing finishes first: the copy waits for it, as long as that takes.
        sqlite3_busy_timeout(origen, 600000);
        sqlite3_backup* copia = sqlite3_backup_init(base_, "main", origen, "main");
        rc = copia ? sqlite3_backup_step(copia, -1) : sqlite3_errcode(base_);
        if (copia)
            sqlite3_backup_finish(copia);
    }
    const QString causa = QString::fromUtf8(sqlite3_errmsg(origen));
    sqlite3_close(origen);
    if (rc != SQLITE_DONE)
        throw FalloCopia{QStringLiteral("No se pudo leer %1: %2").arg(descripcion(), causa)};
}

void LadoArchivo::abreEscritura()
{
    temporal_ = RutaTemporal(ruta_);
    InterrupcionCopia::BorraAlInterrumpir(temporal_);
    QFile::remove(temporal_);
    escribiendo_ = true;
    try {
        ado::Connection conexion;
        conexion.Open(ArchivoBaseDatos::CadenaConexion(temporal_) + QStringLiteral(";Crear=SI"));
        conexion.Execute(QStringLiteral("PRAGMA journal_mode = MEMORY"));
        EsquemaAgenda::Crea(conexion);
        conexion.Close();
    } catch (const ErrorVB& e) {
        throw FalloCopia{QStringLiteral("No se pudo crear %1: %2").arg(descripcion(), e.descripcion())};
    }
    const QByteArray nombre = QFile::encodeName(temporal_);
    if (sqlite3_open_v2(nombre.constData(), &base_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        falla(QStringLiteral("No se pudo escribir %1").arg(descripcion()));
    // The temporary file is nobody else's and is thrown away whole on failure: it is synced once, at the end.
    ejecuta("PRAGMA journal_mode = MEMORY");
    ejecuta("PRAGMA synchronous = OFF");
    ejecuta("BEGIN");
}

std::vector<ColumnaCopia> LadoArchivo::columnas(const QString& tabla)
{
    Sentencia info(base_, QStringLiteral("PRAGMA table_info(%1)").arg(citado(tabla)));
    std::vector<ColumnaCopia> resultado;
    const auto texto = [&](int columna) {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(*info, columna)));
    };
    while (info.preparada() && sqlite3_step(*info) == SQLITE_ROW)
        resultado.push_back({texto(1), ClaseDeTipoAdo(ado::sqlite::TipoDeclarado(texto(2)).tipo)});
    if (resultado.empty())
        throw FalloCopia{QStringLiteral("En %1 no está la tabla %2.").arg(descripcion(), tabla)};
    return resultado;
}

int64_t LadoArchivo::cuentaFilas(const QString& tabla)
{
    Sentencia cuenta(base_, QStringLiteral("SELECT count(*) FROM %1").arg(citado(tabla)));
    if (!cuenta.preparada() || sqlite3_step(*cuenta) != SQLITE_ROW)
        falla(QStringLiteral("No se pudo leer la tabla %1 de %2").arg(tabla, descripcion()));
    return sqlite3_column_int64(*cuenta, 0);
}

void LadoArchivo::leeFilas(const QString& tabla, const std::vector<ColumnaCopia>& columnas, const LectorFilas& lector)
{
    QStringList nombres;
    for (const ColumnaCopia& c : columnas)
        nombres << citado(c.nombre);
    Sentencia consulta(base_,
                       QStringLiteral("SELECT %1 FROM %2").arg(nombres.join(QLatin1String(", ")), citado(tabla)));
    if (!consulta.preparada())
        falla(QStringLiteral("No se pudo leer la tabla %1 de %2").arg(tabla, descripcion()));
    FilaCopia fila(columnas.size());
    int rc;
    while ((rc = sqlite3_step(*consulta)) == SQLITE_ROW) {
        for (int i = 0; i < static_cast<int>(columnas.size()); ++i) {
            switch (sqlite3_column_type(*consulta, i)) {
            case SQLITE_NULL:
                fila[i].reset();
                break;
            case SQLITE_FLOAT:
                fila[i] = textoDeReal(sqlite3_column_double(*consulta, i));
                break;
            default: {
                const auto* datos = static_cast<const char*>(sqlite3_column_blob(*consulta, i));
                fila[i] = QByteArray(datos ? datos : "", sqlite3_column_bytes(*consulta, i));
            }
            }
        }
        lector(fila);
    }
    if (rc != SQLITE_DONE)
        falla(QStringLiteral("No se pudo leer la tabla %1 de %2").arg(tabla, descripcion()));
}

QStringList LadoArchivo::contenidoPrevio(const QStringList& tablas)
{
    if (!QFileInfo::exists(ruta_))
        return {};
    sqlite3* previa = nullptr;
    const QByteArray nombre = QFile::encodeName(ruta_);
    sqlite3_open_v2(nombre.constData(), &previa, SQLITE_OPEN_READONLY, nullptr);
    const auto existe = [&](const QString& tabla) {
        Sentencia busca(
            previa,
            QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = '%1' COLLATE NOCASE")
                .arg(QString(tabla).replace(u'\'', QLatin1String("''"))));
        return busca.preparada() && sqlite3_step(*busca) == SQLITE_ROW;
    };
    QStringList partes;
    if (!existe(QStringLiteral("MV_AGENDA"))) {
        partes << QStringLiteral("el archivo ya existe y no es una base de la agenda");
    } else {
        for (const QString& tabla : tablas) {
            Sentencia cuenta(previa, QStringLiteral("SELECT count(*) FROM %1").arg(citado(tabla)));
            if (!existe(tabla) || !cuenta.preparada() || sqlite3_step(*cuenta) != SQLITE_ROW)
                continue;
            if (const auto filas = sqlite3_column_int64(*cuenta, 0); filas > 0)
                partes << FilasDe(tabla, filas);
        }
    }
    sqlite3_close(previa);
    return partes;
}

void LadoArchivo::vacia(const QStringList&) { }

void LadoArchivo::iniciaTabla(const QString& tabla, const std::vector<ColumnaCopia>& columnas)
{
    QStringList nombres;
    QStringList marcas;
    for (const ColumnaCopia& c : columnas) {
        nombres << citado(c.nombre);
        marcas << QStringLiteral("?");
    }
    const QByteArray texto
        = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
              .arg(citado(tabla), nombres.join(QLatin1String(", ")), marcas.join(QLatin1String(", ")))
              .toUtf8();
    if (sqlite3_prepare_v2(base_, texto.constData(), static_cast<int>(texto.size()), &insercion_, nullptr) != SQLITE_OK)
        falla(QStringLiteral("No se pudo escribir la tabla %1 en %2").arg(tabla, descripcion()));
}

void LadoArchivo::agregaFila(const FilaCopia& fila)
{
    // Values go in as text; each column's own affinity stores them as the program does (an id as an
    // integer, an amount as a number, a date as its text).
    for (int i = 0; i < static_cast<int>(fila.size()); ++i) {
        if (fila[i])
            sqlite3_bind_text(insercion_, i + 1, fila[i]->constData(), static_cast<int>(fila[i]->size()),
                              SQLITE_STATIC);
        else
            sqlite3_bind_null(insercion_, i + 1);
    }
    const int rc = sqlite3_step(insercion_);
    sqlite3_reset(insercion_);
    if (rc != SQLITE_DONE)
        falla(QStringLiteral("No se pudo escribir una fila en %1").arg(descripcion()));
}

void LadoArchivo::terminaTabla()
{
    sqlite3_finalize(insercion_);
    insercion_ = nullptr;
}

void LadoArchivo::ajustaSecuencias(const QStringList&) { }

void LadoArchivo::confirma()
{
    ejecuta("COMMIT");
    cierra();
    if (!sincroniza(temporal_, false))
        throw FalloCopia{QStringLiteral("No se pudo escribir %1 en el disco.").arg(descripcion())};
    // The copy keeps the mode of the file it replaces; a new one is its owner's alone, as an agenda is.
    QFile::setPermissions(temporal_,
                          QFileInfo::exists(ruta_) ? QFile::permissions(ruta_) : QFile::ReadOwner | QFile::WriteOwner);
    {
        const InterrupcionCopia::Retenida retenida;
        if (std::rename(QFile::encodeName(temporal_).constData(), QFile::encodeName(ruta_).constData()) != 0)
            throw FalloCopia{QStringLiteral("No se pudo dejar la copia en %1.").arg(descripcion())};
        escribiendo_ = false;
        InterrupcionCopia::BorraAlInterrumpir({});
    }
    sincroniza(QFileInfo(ruta_).absolutePath(), true);
}

void LadoArchivo::descarta() noexcept
{
    cierra();
    if (escribiendo_) {
        QFile::remove(temporal_);
        InterrupcionCopia::BorraAlInterrumpir({});
        escribiendo_ = false;
    }
}
