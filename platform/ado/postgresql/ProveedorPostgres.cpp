#include "platform/ado/postgresql/ProveedorPostgres.h"

#include "platform/ado/Constantes.h"
#include "platform/ado/FalloProveedor.h"
#include "platform/ado/LectorFilasQtSql.h"
#include "platform/ado/dialect/ClaseSentencia.h"
#include "platform/ado/dialect/TokenizadorSql.h"
#include "platform/ado/postgresql/ErroresPostgres.h"
#include "platform/ado/postgresql/EsquemaPostgres.h"
#include "platform/ado/postgresql/FuncionesPostgres.h"
#include "platform/ado/postgresql/TiposPostgres.h"
#include "platform/ado/postgresql/Tls.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimeZone>

#include <libpq-fe.h>

namespace ado::postgresql {

ProveedorPostgres::ProveedorPostgres() : ProveedorQtSql("agenda_postgres", QStringLiteral("PostgreSQL")) { }

ProveedorPostgres::~ProveedorPostgres()
{
    cierra();
}

void ProveedorPostgres::abre(const CadenaConexion& cadena)
{
    cierra();
    const CadenaConexion::Servidor servidor = cadena.servidor();
    puerto_ = servidor.numeroPuerto(5432);
    if (puerto_ == 0)
        fallaPropia(QStringLiteral("El puerto del servidor \"%1\" no es válido.").arg(servidor.direccion));
    servidor_ = servidor.anfitrionLocal();
    baseDeDatos_ = cadena.baseDeDatos();
    usuario_ = cadena.usuario();
    clave_ = cadena.clave();
    opcionesTls_ = OpcionesTls(cadena);
    if (baseDeDatos_.isEmpty())
        fallaPropia(QStringLiteral("La cadena de conexión no indica la base de datos del servidor."));
    conecta();
}

void ProveedorPostgres::conecta()
{
    agregaConexion(QStringLiteral("QPSQL"),
                   QStringLiteral("El proveedor \"PostgreSQL\" necesita el controlador de PostgreSQL de Qt (paquete "
                                  "libqt6sql6-psql), que no está instalado en este equipo."));
    base_.setHostName(servidor_);
    base_.setPort(puerto_);
    base_.setDatabaseName(baseDeDatos_);
    base_.setUserName(usuario_);
    base_.setPassword(clave_);
    base_.setConnectOptions(QStringLiteral("connect_timeout=15;application_name=agenda") + opcionesTls_);
    if (!base_.open()) {
        const QSqlError fallo = base_.lastError();
        const Enlace enlace = enlaceSinConexion();
        const Error error = ErrorDePostgres(fallo, enlace);
        const bool sinServidor
            = TipoDeEstadoPostgres(fallo.nativeErrorCode().trimmed(), enlace) == TipoFallo::SinServidor;
        cierra();
        const QString detalle = error.Description.mid(error.Description.indexOf(u'('));
        const QString tls = DescripcionFalloTls(detalle);
        const QString descripcion = sinServidor
            ? QStringLiteral("No se puede llegar al servidor %1:%2: no responde, no existe o no acepta conexiones %3")
                  .arg(servidor_, QString::number(puerto_), detalle)
            : QStringLiteral("No se puede conectar con la base de datos \"%1\" del servidor %2:%3%4 %5")
                  .arg(baseDeDatos_, servidor_, QString::number(puerto_),
                       tls.isEmpty() ? QString() : QStringLiteral(": ") + tls, detalle);
        throw FalloProveedor(Error{error.SQLState, error.Number, descripcion, 0, error.Source});
    }
    preparaConexion([&] {
        ejecutaSimple(QStringLiteral("SET DateStyle TO 'ISO, DMY'"));
        const QByteArray zona = QTimeZone::systemTimeZoneId();
        if (!zona.isEmpty() && QTimeZone(zona).isValid())
            ejecutaSimple(QStringLiteral("SET TIME ZONE '%1'")
                              .arg(QString::fromLatin1(zona).replace(u'\'', QLatin1String("''"))));
        ejecutaSimple(DefinicionesFuncionesSuite());
        // The driver reports only the first result of a batch, and a failing statement undoes the
        // whole batch: make sure its functions are there.
        QSqlQuery funciones(base_);
        if (!funciones.exec(QStringLiteral("SELECT to_regprocedure('pg_temp.kq_len(text)') IS NOT NULL"))
            || !funciones.next() || !funciones.value(0).toBool())
            fallaPropia(QStringLiteral("No se pudieron crear en la sesión las funciones del dialecto de la suite."),
                        NumeroError::Fallo, QString());
        // A server without ICU, or older than nondeterministic collations, orders through citext.
        ordenIcu_ = QSqlQuery(base_).exec(QStringLiteral(
            "CREATE COLLATION pg_temp.kq_orden (provider = icu, locale = 'es-u-ks-level2', deterministic = false)"));
        fijaTiempoEspera(tiempoEspera_);
        leeEsquema();
    });
}

void ProveedorPostgres::cierra()
{
    traductor_.reset();
    esFuncion_.clear();
    cierraConexion();
}

int32_t ProveedorPostgres::ejecuta(const QString& sentencia)
{
    int32_t registros = -1;
    (void)lee(sentencia, &registros);
    return registros;
}

Resultado ProveedorPostgres::consulta(const QString& sentencia)
{
    return lee(sentencia, nullptr);
}

Resultado ProveedorPostgres::lee(const QString& sentencia, int32_t* registros)
{
    compruebaAbierta();
    const dialecto::ClaseSentencia clase = dialecto::ClasificaSentencia(sentencia);
    if (clase.sinEfecto) {
        if (registros)
            *registros = -1;
        return {};
    }
    QString traducida = clase.llamada ? traduceLlamada(sentencia) : traductor_->traduce(sentencia);
    if (clase.cambiaEsquema) {
        QString texto; // asked of the database when a text column first needs it
        traducida = CambiaTiposColumnas(traducida, [&](const TipoColumna& t) -> std::optional<QString> {
            if (t.nombre == u"sql_variant")
                fallaPropia(QStringLiteral("Error en la sentencia SQL (el tipo de datos sql_variant no tiene "
                                           "equivalente en el servidor PostgreSQL)"),
                            NumeroError::ErroresEnComando);
            if (!EsTipoTextoServidor(t))
                return TipoPostgres(t);
            if (texto.isEmpty())
                texto = tipoTexto();
            return texto;
        });
    }
    Resultado resultado;
    {
        QSqlQuery q(base_);
        q.setForwardOnly(true);
        q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
        if (!q.exec(traducida))
            falla(q.lastError());
        if (registros && clase.cuentaRegistros && !q.isSelect())
            *registros = q.numRowsAffected();
        if (q.isSelect() && !registros)
            resultado = leeFilas(q, sentencia);
    }
    if (clase.cambiaEsquema)
        leeEsquema();
    return resultado;
}

QString ProveedorPostgres::traduceLlamada(const QString& sentencia)
{
    const QString nombre = TraductorPostgres::rutina(sentencia);
    if (nombre.isEmpty())
        fallaPropia(QStringLiteral("Error en la sentencia SQL (EXEC sin el nombre del procedimiento)"),
                    NumeroError::ErroresEnComando);
    auto it = esFuncion_.constFind(nombre);
    if (it == esFuncion_.constEnd()) {
        QSqlQuery q(base_);
        q.prepare(QStringLiteral("SELECT bool_or(prokind = 'f') FROM pg_proc WHERE proname = ? "
                                 "AND pg_function_is_visible(oid)"));
        q.addBindValue(nombre);
        if (!q.exec())
            falla(q.lastError());
        if (!q.next() || q.value(0).isNull())
            fallaPropia(
                QStringLiteral("Error en la sentencia SQL (no existe el procedimiento almacenado \"%1\")").arg(nombre),
                NumeroError::ErroresEnComando);
        it = esFuncion_.insert(nombre, q.value(0).toBool());
    }
    return *TraductorPostgres::llamada(sentencia, *it);
}

Resultado ProveedorPostgres::esquema(int tipo, const QVariantList& restricciones)
{
    compruebaAbierta();
    switch (tipo) {
    case adSchemaTables:
        return EsquemaPostgres::tablas(base_, restricciones);
    case adSchemaColumns:
        return EsquemaPostgres::columnas(base_, restricciones);
    default:
        fallaPropia(QStringLiteral("El servidor no ofrece el esquema %1.").arg(tipo));
    }
}

QString ProveedorPostgres::citaNombre(const QString& nombre) const
{
    return dialecto::TokenizadorSql::citaNombre(nombre.toLower());
}

QVariant ProveedorPostgres::valorEscrito(const QVariant& valor, const QString&) const
{
    // Dates as ISO text, which timestamp parameters accept; a yes/no as 1 or 0, which the numeric
    // columns that stand for the suite's BIT take (a boolean parameter would be refused there).
    if (valor.typeId() == QMetaType::Bool)
        return valor.toBool() ? 1 : 0;
    if (valor.typeId() == QMetaType::QDateTime)
        return valor.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    if (valor.typeId() == QMetaType::QDate)
        return valor.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    return valor;
}

QString ProveedorPostgres::condicionOriginal(const QString& citada, const QVariant& original,
                                             QVariantList& valores) const
{
    valores.append(valorEscrito(original, citada));
    return citada + QStringLiteral(" IS NOT DISTINCT FROM ?");
}

QString ProveedorPostgres::idFila() const
{
    return QStringLiteral("ctid");
}

void ProveedorPostgres::fijaBaseDeDatos(const QString& nombre)
{
    compruebaAbierta();
    const QString buscada = nombre.trimmed();
    if (buscada.isEmpty() || buscada.compare(baseDeDatos_, Qt::CaseInsensitive) == 0)
        return;
    const QString anterior = baseDeDatos_;
    cierra();
    baseDeDatos_ = buscada;
    try {
        conecta();
    } catch (...) {
        baseDeDatos_ = anterior;
        conecta();
        throw;
    }
}

void ProveedorPostgres::fijaTiempoEspera(int segundos)
{
    tiempoEspera_ = segundos < 0 ? 0 : segundos;
    if (ProveedorQtSql::abierta())
        ejecutaSimple(QStringLiteral("SET statement_timeout = %1").arg(qint64(tiempoEspera_) * 1000));
}

QString ProveedorPostgres::tipoTexto()
{
    QSqlQuery q(base_);
    if (!q.exec(QStringLiteral("SELECT to_regtype('citext') IS NOT NULL, "
                               "EXISTS (SELECT 1 FROM pg_collation WHERE collname = 'es-x-icu')"))
        || !q.next())
        falla(q.lastError());
    if (!q.value(0).toBool())
        return QStringLiteral("text");
    return q.value(1).toBool() ? QStringLiteral("citext COLLATE \"es-x-icu\"") : QStringLiteral("citext");
}

void ProveedorPostgres::leeEsquema()
{
    traductor_ = std::make_unique<TraductorPostgres>(EsquemaPostgres::dialecto(base_), ordenIcu_);
}

Columna ProveedorPostgres::columnaLeida(const QSqlField& campo, int masLargo) const
{
    Columna columna{campo.name(), LectorFilasQtSql::TipoDeCampo(campo), 0};
    switch (columna.tipo) {
    case adVarWChar:
        columna.tamanoDefinido = campo.length() > 0 ? campo.length() : std::max(masLargo, 255);
        break;
    case adInteger:
        columna.tamanoDefinido = 4;
        break;
    case adDouble:
    case adBigInt:
        columna.tamanoDefinido = 8;
        break;
    case adDBTimeStamp:
        columna.tamanoDefinido = 16;
        break;
    case adBoolean:
        columna.tamanoDefinido = 2;
        break;
    default:
        break;
    }
    return columna;
}

bool ProveedorPostgres::abierta() const
{
    return ProveedorQtSql::abierta() && traductor_;
}

void ProveedorPostgres::falla(const QSqlError& error) const
{
    LanzaFalloPostgres(error, base_);
}

Enlace ProveedorPostgres::enlaceSinConexion() const
{
    // Asks whether anything answers at the server's address, without logging in; a short wait, since a
    // server that did not answer the connection will not answer this either.
    const QByteArray servidor = servidor_.toUtf8();
    const QByteArray puerto = QByteArray::number(puerto_);
    const char* const claves[] = {"host", "port", "connect_timeout", nullptr};
    const char* const valores[] = {servidor.constData(), puerto.constData(), "5", nullptr};
    return PQpingParams(claves, valores, 0) == PQPING_NO_RESPONSE ? Enlace::SinRespuesta : Enlace::Vivo;
}

} // namespace ado::postgresql
