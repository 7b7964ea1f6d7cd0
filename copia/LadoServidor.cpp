#include "copia/LadoServidor.h"

#include "db/EsquemaAgenda.h"
#include "platform/ado/CadenaConexion.h"
#include "platform/ado/postgresql/EsquemaPostgres.h"
#include "platform/ado/postgresql/Tls.h"

#include <libpq-fe.h>
#include <memory>
#include <vector>

namespace {

// Rows of a COPY are sent in pieces of about this size.
constexpr qsizetype kPiezaCopia = 256 * 1024;

struct LiberaResultado {
    void operator()(PGresult* r) const { PQclear(r); }
};
using Resultado = std::unique_ptr<PGresult, LiberaResultado>;

QString citado(const QString& nombre)
{
    return u'"' + nombre.toLower().replace(u'"', QLatin1String("\"\"")) + u'"';
}

QString literal(const QString& texto)
{
    return u'\'' + QString(texto).replace(u'\'', QLatin1String("''")) + u'\'';
}

// One value as COPY's text format writes it: backslash, tab and line breaks escaped.
void agregaEscapado(QByteArray& destino, const QByteArray& valor)
{
    for (const char c : valor) {
        switch (c) {
        case '\\':
            destino += "\\\\";
            break;
        case '\t':
            destino += "\\t";
            break;
        case '\n':
            destino += "\\n";
            break;
        case '\r':
            destino += "\\r";
            break;
        default:
            destino += c;
        }
    }
}

QByteArray sinEscapes(const char* datos, qsizetype largo)
{
    QByteArray valor;
    valor.reserve(largo);
    for (qsizetype i = 0; i < largo; ++i) {
        if (datos[i] != '\\' || i + 1 == largo) {
            valor += datos[i];
            continue;
        }
        switch (const char c = datos[++i]) {
        case 't':
            valor += '\t';
            break;
        case 'n':
            valor += '\n';
            break;
        case 'r':
            valor += '\r';
            break;
        case 'b':
            valor += '\b';
            break;
        case 'f':
            valor += '\f';
            break;
        case 'v':
            valor += '\v';
            break;
        default:
            valor += c;
        }
    }
    return valor;
}

// A row of COPY's text format (without its line end) into `fila`.
void leeLineaCopia(const char* datos, qsizetype largo, FilaCopia& fila)
{
    size_t campo = 0;
    qsizetype inicio = 0;
    for (qsizetype i = 0; i <= largo; ++i) {
        if (i < largo && datos[i] != '\t')
            continue;
        if (campo < fila.size()) {
            const qsizetype n = i - inicio;
            if (n == 2 && datos[inicio] == '\\' && datos[inicio + 1] == 'N')
                fila[campo].reset();
            else
                fila[campo] = sinEscapes(datos + inicio, n);
        }
        ++campo;
        inicio = i + 1;
    }
}

} // namespace

LadoServidor::LadoServidor(const QString& cadena)
{
    const ado::CadenaConexion partes(cadena);
    const ado::CadenaConexion::Servidor servidor = partes.servidor();
    puerto_ = servidor.numeroPuerto(5432);
    if (puerto_ == 0)
        errorCadena_ = QStringLiteral("El puerto del servidor \"%1\" no es válido.").arg(servidor.direccion);
    servidor_ = servidor.anfitrionLocal();
    base_ = partes.baseDeDatos();
    usuario_ = partes.usuario();
    clave_ = partes.clave();
    for (const auto& [nombre, valor] : ado::postgresql::ItemsTls(partes))
        tls_.append({nombre.toUtf8(), valor.toUtf8()});
    if (base_.isEmpty() && errorCadena_.isEmpty())
        errorCadena_ = QStringLiteral("La cadena de conexión no indica la base de datos del servidor.");
}

LadoServidor::~LadoServidor()
{
    descarta();
}

QString LadoServidor::descripcion() const
{
    return QStringLiteral("la base %1 del servidor %2:%3").arg(base_, servidor_).arg(puerto_);
}

void LadoServidor::falla(const QString& que) const
{
    const QString causa = conexion_ ? QString::fromUtf8(PQerrorMessage(conexion_)).trimmed() : QString();
    throw FalloCopia{causa.isEmpty() ? que + u'.' : QStringLiteral("%1: %2").arg(que, causa)};
}

void LadoServidor::conecta()
{
    if (!errorCadena_.isEmpty())
        throw FalloCopia{errorCadena_};
    const QByteArray servidor = servidor_.toUtf8();
    const QByteArray puerto = QByteArray::number(puerto_);
    const QByteArray base = base_.toUtf8();
    const QByteArray usuario = usuario_.toUtf8();
    const QByteArray clave = clave_.toUtf8();
    // Without encryption items libpq's own variables and files decide, as for the program.
    std::vector<const char*> claves
        = {"host", "port", "dbname", "user", "password", "application_name", "connect_timeout", "client_encoding"};
    std::vector<const char*> valores = {servidor.constData(),
                                        puerto.constData(),
                                        base.constData(),
                                        usuario.isEmpty() ? nullptr : usuario.constData(),
                                        clave.isEmpty() ? nullptr : clave.constData(),
                                        "agenda-copia",
                                        "15",
                                        "UTF8"};
    for (const auto& [nombre, valor] : tls_) {
        claves.push_back(nombre.constData());
        valores.push_back(valor.constData());
    }
    claves.push_back(nullptr);
    valores.push_back(nullptr);
    conexion_ = PQconnectdbParams(claves.data(), valores.data(), 0);
    if (PQstatus(conexion_) != CONNECTION_OK) {
        const QString causa = QString::fromUtf8(PQerrorMessage(conexion_)).trimmed();
        PQfinish(conexion_);
        conexion_ = nullptr;
        throw FalloCopia{QStringLiteral("No se puede conectar con %1: %2").arg(descripcion(), causa)};
    }
    ejecuta(QStringLiteral("SET DateStyle TO ISO, YMD"));
}

std::vector<QStringList> LadoServidor::ejecuta(const QString& sentencia)
{
    const Resultado r(PQexec(conexion_, sentencia.toUtf8().constData()));
    const ExecStatusType estado = PQresultStatus(r.get());
    if (estado != PGRES_COMMAND_OK && estado != PGRES_TUPLES_OK)
        falla(QStringLiteral("Falló una orden en %1").arg(descripcion()));
    std::vector<QStringList> filas;
    for (int f = 0; f < PQntuples(r.get()); ++f) {
        QStringList fila;
        for (int c = 0; c < PQnfields(r.get()); ++c)
            fila << QString::fromUtf8(PQgetvalue(r.get(), f, c));
        filas.push_back(fila);
    }
    return filas;
}

void LadoServidor::abreLectura()
{
    conecta();
    // The snapshot is taken by the transaction's first query, here, before any table is read.
    ejecuta(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"));
    ejecuta(QStringLiteral("SELECT 1"));
}

void LadoServidor::abreEscritura()
{
    conecta();
    ejecuta(QStringLiteral("BEGIN"));
    const bool conEsquema
        = !ejecuta(QStringLiteral("SELECT 1 FROM information_schema.tables WHERE table_name = 'mv_agenda' "
                                  "AND table_schema = ANY (current_schemas(false))"))
               .empty();
    if (conEsquema)
        return;
    ejecuta(QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext"));
    for (const QString& sentencia : EsquemaAgenda::SentenciasEnServidor())
        ejecuta(sentencia);
}

std::vector<ColumnaCopia> LadoServidor::columnas(const QString& tabla)
{
    std::vector<ColumnaCopia> resultado;
    for (const QStringList& fila :
         ejecuta(QStringLiteral("SELECT column_name, udt_name FROM information_schema.columns "
                                "WHERE table_name = %1 AND table_schema = ANY (current_schemas(false)) "
                                "ORDER BY ordinal_position")
                     .arg(literal(tabla.toLower()))))
        resultado.push_back({fila[0], ClaseDeTipoAdo(ado::postgresql::EsquemaPostgres::TipoAdo(fila[1]))});
    if (resultado.empty())
        throw FalloCopia{QStringLiteral("En %1 no está la tabla %2.").arg(descripcion(), tabla)};
    return resultado;
}

int64_t LadoServidor::cuentaFilas(const QString& tabla)
{
    return ejecuta(QStringLiteral("SELECT count(*) FROM %1").arg(citado(tabla))).front().front().toLongLong();
}

void LadoServidor::leeFilas(const QString& tabla, const std::vector<ColumnaCopia>& columnas, const LectorFilas& lector)
{
    QStringList nombres;
    for (const ColumnaCopia& c : columnas)
        nombres << citado(c.nombre);
    const QString orden
        = QStringLiteral("COPY (SELECT %1 FROM %2) TO STDOUT").arg(nombres.join(QLatin1String(", ")), citado(tabla));
    const Resultado inicio(PQexec(conexion_, orden.toUtf8().constData()));
    if (PQresultStatus(inicio.get()) != PGRES_COPY_OUT)
        falla(QStringLiteral("No se pudo leer la tabla %1 de %2").arg(tabla, descripcion()));
    FilaCopia fila(columnas.size());
    char* linea = nullptr;
    int largo;
    while ((largo = PQgetCopyData(conexion_, &linea, 0)) > 0) {
        leeLineaCopia(linea, linea[largo - 1] == '\n' ? largo - 1 : largo, fila);
        PQfreemem(linea);
        lector(fila);
    }
    const Resultado fin(PQgetResult(conexion_));
    if (largo == -2 || PQresultStatus(fin.get()) != PGRES_COMMAND_OK)
        falla(QStringLiteral("No se pudo leer la tabla %1 de %2").arg(tabla, descripcion()));
    while (PGresult* resto = PQgetResult(conexion_))
        PQclear(resto);
}

QStringList LadoServidor::contenidoPrevio(const QStringList& tablas)
{
    QStringList cuentas;
    for (const QString& tabla : tablas)
        cuentas << QStringLiteral("SELECT %1, count(*) FROM %2").arg(literal(tabla), citado(tabla));
    QStringList partes;
    for (const QStringList& fila : ejecuta(cuentas.join(QLatin1String(" UNION ALL ")))) {
        if (const auto filas = fila[1].toLongLong(); filas > 0)
            partes << FilasDe(fila[0], filas);
    }
    return partes;
}

void LadoServidor::vacia(const QStringList& tablas)
{
    QStringList nombres;
    for (const QString& tabla : tablas)
        nombres << citado(tabla);
    ejecuta(QStringLiteral("TRUNCATE %1 RESTART IDENTITY").arg(nombres.join(QLatin1String(", "))));
}

void LadoServidor::iniciaTabla(const QString& tabla, const std::vector<ColumnaCopia>& columnas)
{
    QStringList nombres;
    for (const ColumnaCopia& c : columnas)
        nombres << citado(c.nombre);
    const QString orden
        = QStringLiteral("COPY %1 (%2) FROM STDIN").arg(citado(tabla), nombres.join(QLatin1String(", ")));
    const Resultado inicio(PQexec(conexion_, orden.toUtf8().constData()));
    if (PQresultStatus(inicio.get()) != PGRES_COPY_IN)
        falla(QStringLiteral("No se pudo escribir la tabla %1 en %2").arg(tabla, descripcion()));
    pendiente_.clear();
}

void LadoServidor::agregaFila(const FilaCopia& fila)
{
    for (size_t i = 0; i < fila.size(); ++i) {
        if (i > 0)
            pendiente_ += '\t';
        if (fila[i])
            agregaEscapado(pendiente_, *fila[i]);
        else
            pendiente_ += "\\N";
    }
    pendiente_ += '\n';
    if (pendiente_.size() >= kPiezaCopia)
        enviaCopia();
}

void LadoServidor::enviaCopia()
{
    if (!pendiente_.isEmpty()
        && PQputCopyData(conexion_, pendiente_.constData(), static_cast<int>(pendiente_.size())) != 1)
        falla(QStringLiteral("Se perdió la conexión con %1").arg(descripcion()));
    pendiente_.clear();
}

void LadoServidor::terminaTabla()
{
    enviaCopia();
    if (PQputCopyEnd(conexion_, nullptr) != 1)
        falla(QStringLiteral("Se perdió la conexión con %1").arg(descripcion()));
    const Resultado fin(PQgetResult(conexion_));
    const bool bien = PQresultStatus(fin.get()) == PGRES_COMMAND_OK;
    const QString causa = QString::fromUtf8(PQresultErrorMessage(fin.get())).trimmed();
    while (PGresult* resto = PQgetResult(conexion_))
        PQclear(resto);
    if (!bien)
        throw FalloCopia{QStringLiteral("No se pudieron escribir las filas en %1: %2").arg(descripcion(), causa)};
}

void LadoServidor::ajustaSecuencias(const QStringList& tablas)
{
    QStringList nombres;
    for (const QString& tabla : tablas)
        nombres << literal(tabla.toLower());
    const auto identidades = ejecuta(
        QStringLiteral("SELECT c.relname, a.attname FROM pg_attribute a JOIN pg_class c ON c.oid = a.attrelid "
                       "JOIN pg_namespace n ON n.oid = c.relnamespace WHERE a.attidentity <> '' AND NOT a.attisdropped "
                       "AND n.nspname = ANY (current_schemas(false)) AND c.relname IN (%1)")
            .arg(nombres.join(QLatin1String(", "))));
    for (const QStringList& fila : identidades) {
        // The next id is one past the largest copied (1 on an empty table).
        ejecuta(QStringLiteral("SELECT setval(pg_get_serial_sequence(%1, %2), COALESCE(max(%3), 0) + 1, false) FROM %4")
                    .arg(literal(citado(fila[0])), literal(fila[1]), citado(fila[1]), citado(fila[0])));
    }
}

void LadoServidor::confirma()
{
    ejecuta(QStringLiteral("COMMIT"));
    PQfinish(conexion_);
    conexion_ = nullptr;
}

void LadoServidor::descarta() noexcept
{
    if (!conexion_)
        return;
    PQclear(PQexec(conexion_, "ROLLBACK"));
    PQfinish(conexion_);
    conexion_ = nullptr;
}
