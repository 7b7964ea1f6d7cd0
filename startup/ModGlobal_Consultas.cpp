#include "lookup/Lib_ClsCons3.h"
#include "lookup/RegConsulta.h"
#include "runtime/ErrorVB.h"
#include "startup/ModGlobal.h"

#include <QFile>
#include <QSaveFile>

#include <array>

namespace {

constexpr int32_t kErrorAccesoArchivo = 75; // path/file access error

const std::array<RegConsulta, 8> kConsultasEstandar{{
    {QStringLiteral("ARTICULOS"), QStringLiteral("V_MA_ARTICULOS"), QStringLiteral("|DESCRIPCION|IDARTICULO|"), {}},
    {QStringLiteral("CLIENTES"), QStringLiteral("VT_CLIENTES"), QStringLiteral("|RAZON_SOCIAL|CODIGO|CONTACTO|"), {}},
    {QStringLiteral("PROVEEDORES"), QStringLiteral("VT_PROVEEDORES"), QStringLiteral("|RAZON_SOCIAL|CODIGO|"), {}},
    {QStringLiteral("CONTACTOS"),
     QStringLiteral("MA_CONTACTOS"),
     QStringLiteral("|Nombre_y_Apellido|Domicilio|Localidad|Telefono|"),
     {}},
    {QStringLiteral("VENDEDORES"), QStringLiteral("V_TA_VENDEDORES"), QStringLiteral("|NOMBRE|IDVENDEDOR|"), {}},
    {QStringLiteral("TECNICOS"), QStringLiteral("V_TA_TECNICOS"), QStringLiteral("|NOMBRE|IDTECNICO|"), {}},
    {QStringLiteral("TECNICOS"), QStringLiteral("V_TA_TECNICOS"), QStringLiteral("|NOMBRE|IDTECNICO|"), {}},
    {QStringLiteral("MANTENIMIENTOS"),
     QStringLiteral("V_MA_MANTENIMIENTOS"),
     QStringLiteral("|DESCRIPCION|CODIGO|"),
     {}},
}};

[[noreturn]] void elevaAcceso(const QString& ruta, const QString& detalle)
{
    throw ErrorVB(kErrorAccesoArchivo,
                  QStringLiteral("No se puede escribir el catálogo de consultas \"%1\": %2").arg(ruta, detalle),
                  QStringLiteral("CargarConsultas"));
}

} // namespace

// Here rather than beside DB(): the lookup stands on the configuration store, and this file on the lookup.
Lib_ClsCons3& ModGlobal::ClsCons3()
{
    static Lib_ClsCons3 compartido;
    return compartido;
}

void ModGlobal::CargarConsultas()
{
    const QString ruta = ClsCons3().gRutaMascaraConsultas;

    // Whatever the file already holds is kept, and each record goes after its last complete record.
    QByteArray contenido;
    QFile existente(ruta);
    if (existente.exists()) {
        if (!existente.open(QIODevice::ReadOnly))
            elevaAcceso(ruta, existente.errorString());
        contenido = existente.readAll();
    }
    for (const RegConsulta& registro : kConsultasEstandar) {
        const qsizetype posicion = contenido.size() / RegConsulta::kLargo * RegConsulta::kLargo;
        const QByteArray bytes = registro.aBytes();
        if (contenido.size() < posicion + bytes.size())
            contenido.resize(posicion + bytes.size());
        contenido.replace(posicion, bytes.size(), bytes);
    }

    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly) || archivo.write(contenido) != contenido.size() || !archivo.commit())
        elevaAcceso(ruta, archivo.errorString());
}
