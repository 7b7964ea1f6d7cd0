#include "platform/ado/sqlite/ProveedorSqlite.h"

#include "platform/ado/Constantes.h"
#include "platform/ado/FalloProveedor.h"
#include "platform/ado/TiposColumnas.h"
#include "platform/ado/dialect/ClaseSentencia.h"
#include "platform/ado/dialect/FechasDialecto.h"
#include "platform/ado/dialect/TokenizadorSql.h"
#include "platform/ado/sqlite/AritmeticaSqlite.h"
#include "platform/ado/sqlite/ClavesSqlite.h"
#include "platform/ado/sqlite/ErroresSqlite.h"
#include "platform/ado/sqlite/FuncionesSqlite.h"
#include "platform/ado/sqlite/LectorFilasSqlite.h"
#include "platform/ado/sqlite/ParametrizadorSqlite.h"
#include "platform/ado/sqlite/ProcedimientosSqlite.h"
#include "platform/ado/sqlite/ValoresSqlite.h"
#include "runtime/RegistroErrores.h"
#include "runtime/Reloj.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>
#include <cerrno>
#include <climits>
#include <sqlite3.h>
#include <unistd.h>

namespace ado::sqlite {

ProveedorSqlite::ProveedorSqlite() : ProveedorQtSql("agenda_sqlite", OrigenSqlite) { }

ProveedorSqlite::~ProveedorSqlite()
{
    cierra();
}

void ProveedorSqlite::abre(const CadenaConexion& cadena)
{
    cierra();
    const QString archivo = cadena.baseDeDatos();
    if (archivo.isEmpty())
        fallaPropia(QStringLiteral("La cadena de conexión no indica el archivo de la base de datos."));
    const QFileInfo info(archivo);
    const bool crear = cadena.valor(QStringLiteral("Crear")).compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0;
    if (info.isDir() || (!crear && !info.exists()))
        fallaPropia(QStringLiteral("No existe el archivo de base de datos \"%1\".").arg(archivo),
                    NumeroError::ArchivoNoEncontrado);

    agregaConexion(QStringLiteral("QSQLITE"),
                   QStringLiteral("No está instalado el controlador de SQLite de Qt (paquete libqt6sql6-sqlite)."));
    base_.setDatabaseName(archivo);
    if (!base_.open()) {
        const QString motivo = base_.lastError().databaseText();
        cierra();
        fallaPropia(QStringLiteral("No se puede abrir la base de datos \"%1\" (%2).").arg(archivo, motivo));
    }
    const QVariant manejador = base_.driver()->handle();
    if (manejador.isValid() && qstrcmp(manejador.typeName(), "sqlite3*") == 0)
        manejador_ = *static_cast<sqlite3* const*>(manejador.constData());
    preparaConexion([&] {
        if (!manejador_)
            fallaPropia(QStringLiteral("El controlador de SQLite no da acceso a la conexión."));
        sqlite3_extended_result_codes(manejador_, 1);
        RegistraFuncionesDialecto(manejador_);
        RegistraFuncionesAritmetica(manejador_);
        ClavesSqlite::RegistraFunciones(manejador_);
        ejecutaSimple(QStringLiteral("PRAGMA foreign_keys = ON"));
        baseDeDatos_ = archivo;
        leeEsquema();
    });
    // Rows written before the keys were kept the server's way, or by another tool, still open.
    for (const QString& aviso : claves_.repetidas(base_))
        RegistroErrores::anota(Reloj::ahora(), QStringLiteral("Base de datos %1").arg(archivo), 0, aviso);
}

void ProveedorSqlite::cierra()
{
    cache_.vacia();
    traductor_.reset();
    esquema_ = EsquemaSqlite();
    claves_ = ClavesSqlite();
    manejador_ = nullptr;
    baseDeDatos_.clear();
    cierraConexion();
}

template <typename F>
auto ProveedorSqlite::revisaEscritura(F&& accion) -> decltype(accion())
{
    try {
        return accion();
    } catch (const FalloProveedor& fallo) {
        const int sistema = manejador_ ? sqlite3_system_errno(manejador_) : 0;
        const Error& error = fallo.error();
        const bool disco = error.Number == NumeroError::ErrorEntradaSalida
            && (sistema == EPERM || sistema == EACCES || sistema == EROFS);
        // A file still in its place that cannot be opened is its journal, which the folder refuses.
        const QFileInfo archivo(baseDeDatos_);
        const bool diario = error.Number == NumeroError::ArchivoNoEncontrado
            && (error.NativeError & 0xff) == SQLITE_CANTOPEN && archivo.exists()
            && ::access(QFile::encodeName(archivo.absolutePath()).constData(), W_OK) != 0;
        if (!disco && !diario)
            throw;
        throw FalloProveedor(ErrorDeTipo(TipoFallo::SinEscritura, QString::fromUtf8(sqlite3_errstr(error.NativeError)),
                                         error.NativeError, error.Source));
    }
}

int32_t ProveedorSqlite::ejecuta(const QString& sentencia)
{
    return revisaEscritura([&] { return ejecutaSentencia(sentencia); });
}

Resultado ProveedorSqlite::consulta(const QString& sentencia)
{
    return revisaEscritura([&] { return consultaSentencia(sentencia); });
}

int32_t ProveedorSqlite::ejecutaSentencia(const QString& sentencia)
{
    compruebaAbierta();
    const dialecto::ClaseSentencia clase = dialecto::ClasificaSentencia(sentencia);
    if (clase.sinEfecto)
        return -1;
    if (clase.llamada) {
        const auto ejecucion = ProcedimientosSqlite(base_, manejador_, cache_).ejecuta(sentencia, esquema_);
        if (ejecucion.cambiaEsquema)
            leeEsquema();
        return ejecucion.registros;
    }
    const QString traducida = traduce(sentencia, clase);
    // A write on a synonym view is done by the view's INSTEAD OF triggers, whose rows SQLite does not
    // count as the statement's own: count them from the connection's total.
    const sqlite3_int64 cambiosAntes = sqlite3_total_changes64(manejador_);
    const auto cuenta = [&](int32_t registros) {
        return registros == 0 ? static_cast<int32_t>(sqlite3_total_changes64(manejador_) - cambiosAntes) : registros;
    };
    if (clase.cuentaRegistros) {
        if (const auto registros = ejecutaEnCache(traducida))
            return cuenta(*registros);
    }
    int32_t registros = -1;
    {
        QSqlQuery consulta(base_);
        consulta.setForwardOnly(true);
        if (!consulta.exec(traducida))
            falla(consulta.lastError());
        if (clase.cuentaRegistros && !consulta.isSelect())
            registros = cuenta(consulta.numRowsAffected());
    }
    if (clase.cambiaEsquema)
        leeEsquema();
    return registros;
}

Resultado ProveedorSqlite::consultaSentencia(const QString& sentencia)
{
    compruebaAbierta();
    const dialecto::ClaseSentencia clase = dialecto::ClasificaSentencia(sentencia);
    if (clase.sinEfecto)
        return {};
    if (clase.llamada) {
        auto ejecucion = ProcedimientosSqlite(base_, manejador_, cache_).ejecuta(sentencia, esquema_);
        if (ejecucion.cambiaEsquema)
            leeEsquema();
        return std::move(ejecucion.filas);
    }
    const QString traducida = traduce(sentencia, clase);
    if (auto filas = consultaEnCache(traducida, sentencia))
        return std::move(*filas);
    Resultado resultado;
    {
        QSqlQuery consulta(base_);
        consulta.setForwardOnly(true);
        if (!consulta.exec(traducida))
            falla(consulta.lastError());
        if (consulta.isSelect())
            resultado = leeFilas(consulta, sentencia);
    }
    if (clase.cambiaEsquema)
        leeEsquema();
    return resultado;
}

QString ProveedorSqlite::traduce(const QString& sentencia, const dialecto::ClaseSentencia& clase) const
{
    const QString traducida = traductor_->traduce(sentencia);
    return clase.cambiaEsquema ? CambiaTiposColumnas(traducida, TipoSqlite) : traducida;
}

void ProveedorSqlite::pasoTransaccion(PasoTransaccion paso)
{
    if (paso == PasoTransaccion::Confirma)
        revisaEscritura([&] { ProveedorQtSql::pasoTransaccion(paso); });
    else
        ProveedorQtSql::pasoTransaccion(paso);
}

Resultado ProveedorSqlite::esquema(int tipo, const QVariantList& restricciones)
{
    compruebaAbierta();
    leeEsquema(); // another connection may have changed it
    QVariantList r = restricciones;
    if (!r.isEmpty() && esCatalogo(r.first().toString()))
        r.first() = baseDeDatos_;
    switch (tipo) {
    case adSchemaTables:
        return esquema_.tablas(r, baseDeDatos_);
    case adSchemaColumns:
        return esquema_.columnas(r, baseDeDatos_);
    default:
        fallaPropia(QStringLiteral("La base de datos incrustada no ofrece el esquema %1.").arg(tipo));
    }
}

QString ProveedorSqlite::citaNombre(const QString& nombre) const
{
    return dialecto::TokenizadorSql::citaNombre(nombre);
}

QVariant ProveedorSqlite::valorEscrito(const QVariant& valor, const QString& columna) const
{
    return ValorEscrito(valor, esquema_.esFecha(columna));
}

QString ProveedorSqlite::condicionOriginal(const QString& citada, const QVariant& original, QVariantList& valores) const
{
    if (original.typeId() == QMetaType::QDateTime) {
        // The stored text may be written without seconds or time; compare as date-times.
        valores.append(dialecto::FechaAlmacenada(original.toDateTime()));
        return QStringLiteral("datetime(%1) IS ?").arg(citada);
    }
    valores.append(ValorEscrito(original, false));
    return citada + QStringLiteral(" IS ?");
}

QString ProveedorSqlite::idFila() const
{
    return QStringLiteral("rowid");
}

void ProveedorSqlite::fijaBaseDeDatos(const QString& nombre)
{
    compruebaAbierta();
    if (!esCatalogo(nombre))
        fallaPropia(
            QStringLiteral("La base de datos incrustada no puede cambiar a la base de datos \"%1\".").arg(nombre));
}

void ProveedorSqlite::fijaTiempoEspera(int segundos)
{
    if (manejador_)
        sqlite3_busy_timeout(manejador_, segundos <= 0 || segundos > INT_MAX / 1000 ? INT_MAX : segundos * 1000);
}

std::optional<int32_t> ProveedorSqlite::ejecutaEnCache(const QString& traducida)
{
    const auto parametrizada = ParametrizadorSqlite::parametriza(traducida);
    if (!parametrizada)
        return std::nullopt;
    sqlite3_stmt* sentencia = cache_.prepara(manejador_, parametrizada->forma);
    if (!sentencia)
        return std::nullopt; // nothing ran: the text as written gives the database's own error
    // The values outlive the step; the bindings are cleared before they go.
    const auto termina = [sentencia] {
        sqlite3_reset(sentencia);
        sqlite3_clear_bindings(sentencia);
    };
    const QVariantList& valores = parametrizada->valores;
    for (int i = 0; i < int(valores.size()); ++i) {
        const QVariant& v = valores.at(i);
        int rc = SQLITE_OK;
        if (v.typeId() == QMetaType::QString) {
            const QString* s = static_cast<const QString*>(v.constData());
            rc = sqlite3_bind_text16(sentencia, i + 1, s->utf16(), int(s->size() * sizeof(char16_t)), SQLITE_STATIC);
        } else if (v.typeId() == QMetaType::LongLong) {
            rc = sqlite3_bind_int64(sentencia, i + 1, v.toLongLong());
        } else {
            rc = sqlite3_bind_double(sentencia, i + 1, v.toDouble());
        }
        if (rc != SQLITE_OK) {
            termina();
            return std::nullopt; // e.g. a text beyond the database's limit: let the text as written fail
        }
    }
    const int rc = sqlite3_step(sentencia);
    if (rc == SQLITE_DONE || rc == SQLITE_ROW) {
        const int32_t registros
            = rc == SQLITE_DONE && sqlite3_column_count(sentencia) == 0 ? sqlite3_changes(manejador_) : -1;
        termina();
        return registros;
    }
    fallaPaso(sentencia, rc, parametrizada->forma);
}

std::optional<Resultado> ProveedorSqlite::consultaEnCache(const QString& traducida, const QString& original)
{
    sqlite3_stmt* sentencia = cache_.prepara(manejador_, traducida);
    if (!sentencia)
        return std::nullopt; // nothing ran: the text as written gives the database's own error
    if (!sqlite3_stmt_readonly(sentencia) || sqlite3_column_count(sentencia) == 0) {
        cache_.descarta(traducida); // only queries are kept, not statements that change anything
        return std::nullopt;
    }
    int rc = sqlite3_step(sentencia);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        fallaPaso(sentencia, rc, traducida);
    // Named after the first step: a schema changed by another connection prepares the text again.
    const int columnas = sqlite3_column_count(sentencia);
    QStringList nombres;
    for (int i = 0; i < columnas; ++i)
        nombres.append(
            QString::fromUtf16(static_cast<const char16_t*>(sqlite3_column_name16(sentencia, i))).remove(u'"'));
    LectorFilasSqlite lector(esquema_, nombres, original);
    rc = lector.agregaPasos(sentencia, rc);
    if (rc != SQLITE_DONE)
        fallaPaso(sentencia, rc, traducida);
    sqlite3_reset(sentencia);
    return lector.termina();
}

void ProveedorSqlite::fallaPaso(sqlite3_stmt* sentencia, int rc, const QString& texto)
{
    // The error as Qt's driver words a failed step: a generic SQLITE_ERROR takes its code and
    // message from the reset; any other code and message are those of the step.
    if (rc == SQLITE_ERROR)
        rc = sqlite3_reset(sentencia);
    const QString mensaje = QString::fromUtf16(static_cast<const char16_t*>(sqlite3_errmsg16(manejador_)));
    sqlite3_reset(sentencia);
    cache_.descarta(texto);
    LanzaFallo(QSqlError(QCoreApplication::translate("QSQLiteResult", "Unable to fetch row"), mensaje,
                         QSqlError::ConnectionError, QString::number(rc)));
}

void ProveedorSqlite::leeEsquema()
{
    cache_.vacia();
    esquema_ = EsquemaSqlite::lee(base_);
    traductor_ = std::make_unique<TraductorSqlite>(esquema_.dialecto());
    claves_.protege(base_);
}

std::unique_ptr<LectorFilas> ProveedorSqlite::lectorDe(const QSqlRecord& registro, const QString& sentencia) const
{
    QStringList nombres;
    for (int i = 0; i < registro.count(); ++i)
        nombres.append(registro.fieldName(i));
    return std::make_unique<LectorFilasSqlite>(esquema_, nombres, sentencia);
}

bool ProveedorSqlite::abierta() const
{
    return manejador_ != nullptr;
}

void ProveedorSqlite::falla(const QSqlError& error) const
{
    LanzaFallo(error);
}

bool ProveedorSqlite::esCatalogo(const QString& nombre) const
{
    const QString buscado = nombre.trimmed();
    if (buscado.isEmpty() || baseDeDatos_.isEmpty())
        return false;
    const QFileInfo info(baseDeDatos_);
    for (const QString& forma : {baseDeDatos_, info.absoluteFilePath(), info.completeBaseName()}) {
        if (forma.compare(buscado, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace ado::sqlite
