#include "platform/ado/Recordset.h"

#include "platform/ado/Connection.h"
#include "platform/ado/FuenteActualizable.h"
#include "runtime/ErrorVB.h"

namespace ado {
namespace {

const QString kOrigen = QStringLiteral("ADODB.Recordset");
constexpr int32_t kConexionNoValida = static_cast<int32_t>(0x800A0E7D);

[[noreturn]] void eleva(int32_t numero, const QString& descripcion)
{
    throw ErrorVB(numero, descripcion, kOrigen);
}

} // namespace

struct Recordset::Estado {
    enum class Edicion { Ninguna, Cambio, Nueva };

    Resultado resultado;
    qsizetype posicion = 0; // -1 is BOF, the row count is EOF
    std::unique_ptr<Connection> propia;
    Connection* conexion = nullptr;
    std::optional<QString> tabla; // set only when Update may write
    Edicion edicion = Edicion::Ninguna;
    QVariantList originales; // the edited row as it was read
    QList<bool> asignados; // the fields given a value in a new row

    [[nodiscard]] qsizetype filas() const { return static_cast<qsizetype>(resultado.filas.size()); }
    [[nodiscard]] bool hayFila() const { return posicion >= 0 && posicion < filas(); }
};

Recordset::Recordset() = default;
Recordset::~Recordset() = default;

void Recordset::Open(const QString& fuente, const ConexionActiva& conexion, int tipoCursor, int tipoBloqueo, int)
{
    if (estado_)
        eleva(NumeroError::ObjetoAbierto,
              QStringLiteral("No se permite realizar la operación si el objeto está abierto."));
    auto nuevo = std::make_unique<Estado>();
    if (const auto* cadena = std::get_if<QString>(&conexion)) {
        nuevo->propia = std::make_unique<Connection>();
        nuevo->propia->Open(*cadena);
        nuevo->conexion = nuevo->propia.get();
    } else if (const auto* activa = std::get_if<Connection*>(&conexion)) {
        nuevo->conexion = *activa;
    }
    if (!nuevo->conexion)
        eleva(kConexionNoValida,
              QStringLiteral("La conexión no se puede usar para realizar esta operación. "
                             "Está cerrada o no es válida en este contexto."));
    Connection& c = *nuevo->conexion;
    Proveedor& p = c.proveedor();
    c.anotaTraza(fuente);
    nuevo->resultado = c.conErrores([&] { return p.consulta(fuente); });
    if (tipoBloqueo != adLockReadOnly && tipoBloqueo != adLockUnspecified)
        nuevo->tabla = TablaActualizable(fuente);
    fuente_ = fuente;
    tipoCursor_ = tipoCursor == adOpenForwardOnly || tipoCursor == adOpenUnspecified ? tipoCursor : adOpenStatic;
    tipoBloqueo_ = tipoBloqueo;
    estado_ = std::move(nuevo);
}

void Recordset::AbreSobre(Resultado resultado)
{
    if (estado_)
        eleva(NumeroError::ObjetoAbierto,
              QStringLiteral("No se permite realizar la operación si el objeto está abierto."));
    estado_ = std::make_unique<Estado>();
    estado_->resultado = std::move(resultado);
    tipoCursor_ = adOpenStatic;
    tipoBloqueo_ = adLockReadOnly;
    fuente_.clear();
}

void Recordset::Close()
{
    abierto();
    estado_.reset();
}

int Recordset::State() const
{
    return estado_ ? adStateOpen : adStateClosed;
}

bool Recordset::Bof() const
{
    const Estado& e = abierto();
    return e.filas() == 0 || e.posicion < 0;
}

bool Recordset::Eof() const
{
    const Estado& e = abierto();
    return e.posicion >= e.filas();
}

void Recordset::MoveFirst()
{
    Estado& e = abierto();
    terminaEdicion();
    if (e.filas() == 0)
        sinFilaActual();
    e.posicion = 0;
}

void Recordset::MoveNext()
{
    Estado& e = abierto();
    terminaEdicion();
    if (e.posicion >= e.filas())
        sinFilaActual();
    ++e.posicion;
}

void Recordset::MovePrevious()
{
    Estado& e = abierto();
    terminaEdicion();
    if (e.posicion < 0 || e.filas() == 0)
        sinFilaActual();
    --e.posicion;
}

void Recordset::MoveLast()
{
    Estado& e = abierto();
    terminaEdicion();
    if (e.filas() == 0)
        sinFilaActual();
    e.posicion = e.filas() - 1;
}

int Recordset::RecordCount() const
{
    return static_cast<int>(abierto().filas());
}

void Recordset::AddNew()
{
    Estado& e = actualizable();
    terminaEdicion();
    e.resultado.filas.emplace_back(QVariantList(e.resultado.columnas.size()));
    e.posicion = e.filas() - 1;
    e.edicion = Estado::Edicion::Nueva;
    e.asignados = QList<bool>(e.resultado.columnas.size(), false);
}

void Recordset::Update()
{
    Estado& e = actualizable();
    if (e.edicion == Estado::Edicion::Ninguna)
        return;
    const QVariantList& fila = e.resultado.filas.at(e.posicion);
    QStringList columnas;
    for (const Columna& columna : e.resultado.columnas)
        columnas.append(columna.nombre);
    Connection& c = *e.conexion;
    Proveedor& p = c.proveedor();
    if (e.edicion == Estado::Edicion::Nueva) {
        QStringList asignadas;
        QVariantList valores;
        for (qsizetype i = 0; i < columnas.size(); ++i) {
            if (e.asignados.at(i)) {
                asignadas.append(columnas.at(i));
                valores.append(fila.at(i));
            }
        }
        c.conErrores([&] { p.insertaFila(*e.tabla, asignadas, valores); });
    } else {
        c.conErrores([&] { p.actualizaFila(*e.tabla, columnas, e.originales, fila); });
    }
    e.edicion = Estado::Edicion::Ninguna;
    e.originales.clear();
    e.asignados.clear();
}

const Resultado& Recordset::resultado() const
{
    static const Resultado vacio;
    return estado_ ? estado_->resultado : vacio;
}

QVariant Recordset::valor(int indice) const
{
    const Estado& e = abierto();
    if (!e.hayFila())
        sinFilaActual();
    return e.resultado.filas.at(e.posicion).at(indice);
}

void Recordset::fijaValor(int indice, const QVariant& valor)
{
    Estado& e = actualizable();
    if (!e.hayFila())
        sinFilaActual();
    QVariantList& fila = e.resultado.filas.at(e.posicion);
    if (e.edicion == Estado::Edicion::Ninguna) {
        e.edicion = Estado::Edicion::Cambio;
        e.originales = fila;
    }
    if (e.edicion == Estado::Edicion::Nueva)
        e.asignados[indice] = true;
    fila[indice] = valor;
}

Recordset::Estado& Recordset::abierto() const
{
    if (!estado_)
        eleva(NumeroError::ObjetoCerrado,
              QStringLiteral("No se permite realizar la operación si el objeto está cerrado."));
    return *estado_;
}

Recordset::Estado& Recordset::actualizable() const
{
    Estado& e = abierto();
    if (!e.tabla || !e.conexion)
        eleva(NumeroError::NoActualizable,
              QStringLiteral("El recordset no admite la actualización: es de solo lectura o no lee una sola tabla."));
    return e;
}

void Recordset::terminaEdicion()
{
    if (estado_ && estado_->edicion != Estado::Edicion::Ninguna)
        Update();
}

void Recordset::sinFilaActual()
{
    eleva(NumeroError::SinRegistroActual,
          QStringLiteral("BOF o EOF es True, o el registro actual se eliminó. La operación solicitada "
                         "requiere un registro actual."));
}

} // namespace ado
