#include "platform/ado/Connection.h"

#include "platform/ado/Recordset.h"
#include "platform/ado/RegistroProveedores.h"
#include "platform/ado/TipoFallo.h"
#include "runtime/ErrorVB.h"

namespace ado {
namespace {

const QString kOrigen = QStringLiteral("ADODB.Connection");

[[noreturn]] void elevaCerrada()
{
    throw ErrorVB(NumeroError::ObjetoCerrado,
                  QStringLiteral("No se permite realizar la operación si el objeto está cerrado."), kOrigen);
}

// ADO hands the user and password of Open to the provider as connection-string items.
QString conCredenciales(QString texto, const QString& usuario, const QString& clave)
{
    if (!usuario.isEmpty())
        texto += QStringLiteral(";User ID=") + usuario;
    if (!clave.isEmpty())
        texto += QStringLiteral(";Password=") + clave;
    return texto;
}

} // namespace

Connection::Connection() = default;

Connection::~Connection()
{
    if (proveedor_) {
        try {
            proveedor_->cierra();
        } catch (const FalloProveedor&) {
            // Nothing to report to from a destructor.
        }
    }
}

void Connection::Open(const QString& cadena, const QString& usuario, const QString& clave, int)
{
    errores_.Clear();
    if (proveedor_)
        throw ErrorVB(NumeroError::ObjetoAbierto,
                      QStringLiteral("No se permite realizar la operación si el objeto está abierto."), kOrigen);
    if (!cadena.isEmpty())
        cadena_ = cadena;
    const CadenaConexion partes(conCredenciales(cadena_, usuario, clave));
    const QString nombre = partes.proveedor();
    auto nuevo = RegistroProveedores::crea(nombre);
    if (!nuevo) {
        const QString descripcion = nombre.isEmpty()
            ? QStringLiteral("La cadena de conexión no indica ningún proveedor.")
            : QStringLiteral("No se encuentra el proveedor \"%1\" en este equipo.").arg(nombre);
        falla(Error{QStringLiteral("IM002"), NumeroError::ProveedorNoEncontrado, descripcion, 0, kOrigen});
    }
    conErrores([&] {
        nuevo->abre(partes);
        nuevo->fijaTiempoEspera(tiempoEspera_);
    });
    proveedor_ = std::move(nuevo);
    partes_ = partes;
    baseFijada_.clear();
    porReabrir_ = false;
}

void Connection::Close()
{
    errores_.Clear();
    if (!proveedor_)
        elevaCerrada();
    auto cerrando = std::move(proveedor_);
    porReabrir_ = false;
    conErrores([&] { cerrando->cierra(); });
}

int Connection::State() const
{
    return proveedor_ ? adStateOpen : adStateClosed;
}

void Connection::Execute(const QString& texto, int32_t* registrosAfectados, int)
{
    errores_.Clear();
    Proveedor& p = proveedor();
    anotaTraza(texto);
    const int32_t registros = conErrores([&] { return p.ejecuta(texto); });
    if (registrosAfectados)
        *registrosAfectados = registros;
}

int Connection::BeginTrans()
{
    errores_.Clear();
    Proveedor& p = proveedor();
    conErrores([&] { p.iniciaTransaccion(); });
    return 1;
}

void Connection::CommitTrans()
{
    errores_.Clear();
    Proveedor& p = proveedor();
    conErrores([&] { p.confirmaTransaccion(); });
}

void Connection::RollbackTrans()
{
    errores_.Clear();
    Proveedor& p = proveedor();
    conErrores([&] { p.deshaceTransaccion(); });
}

void Connection::setCommandTimeout(int segundos)
{
    errores_.Clear();
    if (segundos < 0)
        ElevaLlamadaNoValida(kOrigen);
    tiempoEspera_ = segundos;
    if (proveedor_)
        conErrores([&] { proveedor_->fijaTiempoEspera(segundos); });
}

QString Connection::DefaultDatabase() const
{
    return proveedor_ ? proveedor_->baseDeDatos() : QString();
}

void Connection::setDefaultDatabase(const QString& nombre)
{
    errores_.Clear();
    Proveedor& p = proveedor();
    conErrores([&] { p.fijaBaseDeDatos(nombre); });
    baseFijada_ = nombre;
}

std::unique_ptr<Recordset> Connection::OpenSchema(int esquema, const QVariantList& restricciones)
{
    errores_.Clear();
    Proveedor& p = proveedor();
    auto filas = conErrores([&] { return p.esquema(esquema, restricciones); });
    auto recordset = std::make_unique<Recordset>();
    recordset->AbreSobre(std::move(filas));
    return recordset;
}

Proveedor& Connection::proveedor()
{
    if (!proveedor_)
        elevaCerrada();
    if (porReabrir_)
        reabre();
    return *proveedor_;
}

void Connection::reabre()
{
    try {
        conErrores([&] {
            proveedor_->abre(partes_);
            proveedor_->fijaTiempoEspera(tiempoEspera_);
            if (!baseFijada_.isEmpty())
                proveedor_->fijaBaseDeDatos(baseFijada_);
        });
    } catch (...) {
        porReabrir_ = true; // whatever the reason, the next call tries again
        throw;
    }
    porReabrir_ = false;
}

void Connection::falla(const Error& error)
{
    if (proveedor_
        && (error.Number == NumeroError::ArchivoNoEncontrado || error.Number == NumeroError::ConexionPerdida))
        porReabrir_ = true;
    errores_.Agrega(error);
    throw ErrorVB(error.Number, error.Description, error.Source);
}

} // namespace ado
