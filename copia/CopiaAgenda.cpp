#include "copia/CopiaAgenda.h"

#include "copia/FirmaTabla.h"
#include "copia/LadoArchivo.h"
#include "copia/LadoServidor.h"
#include "copia/ProgresoCopia.h"
#include "db/EsquemaAgenda.h"
#include "platform/ado/CadenaConexion.h"
#include "runtime/ErrorVB.h"

#include <QFileInfo>

const char* const CopiaAgenda::kUso
    = "Uso: agenda-copia [--reemplazar] ORIGEN DESTINO\n"
      "ORIGEN y DESTINO: la ruta de un archivo de la agenda, \"Provider=SQLite;Database=RUTA\" o\n"
      "\"Provider=PostgreSQL;Server=SERVIDOR[:PUERTO];Database=BASE;UId=USUARIO;Pwd=CLAVE\".\n"
      "--reemplazar: reemplaza las filas que ya tenga el destino (sin ella, un destino con filas se rechaza).";

namespace {

struct Comparacion {
    QString tabla;
    FirmaTabla origen;
    FirmaTabla destino;
};

// The columns of the destination's table, each found in the source's.
std::vector<ColumnaCopia> columnasComunes(LadoCopia& origen, LadoCopia& destino, const QString& tabla)
{
    const std::vector<ColumnaCopia> enDestino = destino.columnas(tabla);
    const std::vector<ColumnaCopia> enOrigen = origen.columnas(tabla);
    for (const ColumnaCopia& c : enDestino) {
        const bool esta = std::any_of(enOrigen.begin(), enOrigen.end(), [&](const ColumnaCopia& o) {
            return o.nombre.compare(c.nombre, Qt::CaseInsensitive) == 0;
        });
        if (!esta)
            throw FalloCopia{QStringLiteral("En %1 no está la columna %2 de la tabla %3.")
                                 .arg(origen.descripcion(), c.nombre, tabla)};
    }
    return enDestino;
}

void imprimeComparacion(const std::vector<Comparacion>& tablas, QTextStream& salida)
{
    salida << QStringLiteral("%1 %2 %3 %4 %5 %6")
                  .arg(QStringLiteral("Tabla"), -24)
                  .arg(QStringLiteral("Filas origen"), 13)
                  .arg(QStringLiteral("Filas destino"), 13)
                  .arg(QStringLiteral("Suma origen"), -16)
                  .arg(QStringLiteral("Suma destino"), -16)
                  .arg(QStringLiteral("Estado"))
           << '\n';
    for (const Comparacion& c : tablas) {
        salida << QStringLiteral("%1 %2 %3 %4 %5 %6")
                      .arg(c.tabla, -24)
                      .arg(c.origen.filas(), 13)
                      .arg(c.destino.filas(), 13)
                      .arg(c.origen.sumaHex(), -16)
                      .arg(c.destino.sumaHex(), -16)
                      .arg(c.origen == c.destino ? QStringLiteral("igual") : QStringLiteral("DISTINTA"))
               << '\n';
    }
}

} // namespace

std::optional<CopiaAgenda::Opciones> CopiaAgenda::LeeOpciones(const QStringList& argumentos, QTextStream& errores)
{
    Opciones opciones;
    QStringList lados;
    for (const QString& a : argumentos) {
        if (a == QLatin1String("--reemplazar"))
            opciones.reemplazar = true;
        else if (a.startsWith(u'-')) {
            errores << QStringLiteral("Opción desconocida: %1").arg(a) << '\n' << kUso << Qt::endl;
            return std::nullopt;
        } else
            lados << a;
    }
    if (lados.size() != 2) {
        errores << kUso << Qt::endl;
        return std::nullopt;
    }
    opciones.origen = lados[0];
    opciones.destino = lados[1];
    return opciones;
}

std::unique_ptr<LadoCopia> CopiaAgenda::Lado(const QString& texto)
{
    if (texto.trimmed().startsWith(u'@'))
        throw FalloCopia{QStringLiteral("agenda-copia no toma la línea de arranque del programa (@Server=...;): "
                                        "indique una cadena de conexión Provider=... o la ruta de un archivo.")};
    if (texto.section(u'=', 0, 0).trimmed().compare(u"Provider", Qt::CaseInsensitive) != 0)
        return std::make_unique<LadoArchivo>(texto);
    const ado::CadenaConexion cadena(texto);
    const QString proveedor = cadena.proveedor();
    if (proveedor.compare(u"SQLite", Qt::CaseInsensitive) == 0)
        return std::make_unique<LadoArchivo>(cadena.baseDeDatos());
    if (proveedor.compare(u"PostgreSQL", Qt::CaseInsensitive) == 0)
        return std::make_unique<LadoServidor>(texto);
    throw FalloCopia{QStringLiteral("agenda-copia copia entre archivos de la agenda (SQLite) y servidores PostgreSQL; "
                                    "el proveedor \"%1\" no se admite.")
                         .arg(proveedor)};
}

int CopiaAgenda::Ejecuta(const Opciones& opciones, QTextStream& salida, QTextStream& errores, ProgresoCopia& progreso)
{
    std::unique_ptr<LadoCopia> origen;
    std::unique_ptr<LadoCopia> destino;
    QString causa;
    try {
        origen = Lado(opciones.origen);
        destino = Lado(opciones.destino);
        // Onto itself, a copy would wait for its own reading to end before it could replace the rows.
        if (origen->descripcion() == destino->descripcion())
            throw FalloCopia{
                QStringLiteral("El origen y el destino son la misma base: %1.").arg(origen->descripcion())};

        const QStringList tablas = EsquemaAgenda::TablasDeDatos();
        origen->abreLectura();
        destino->abreEscritura();
        if (QStringList partes = destino->contenidoPrevio(tablas); !partes.isEmpty()) {
            if (!opciones.reemplazar) {
                if (partes.size() > 3)
                    partes = partes.mid(0, 3) << QStringLiteral("y %1 tablas más").arg(partes.size() - 3);
                errores << QStringLiteral(
                               "El destino, %1, ya tiene datos (%2); no se ha copiado nada. Para reemplazarlos "
                               "por los del origen, repita la orden con --reemplazar.")
                               .arg(destino->descripcion(), partes.join(QLatin1String(", ")))
                        << Qt::endl;
                destino->descarta();
                return Rechazada;
            }
            destino->vacia(tablas);
        }

        std::vector<Comparacion> comparaciones;
        for (const QString& tabla : tablas) {
            Comparacion c{tabla, {}, {}};
            const std::vector<ColumnaCopia> columnas = columnasComunes(*origen, *destino, tabla);
            progreso.iniciaTabla(tabla, progreso.activo() ? origen->cuentaFilas(tabla) : 0);
            destino->iniciaTabla(tabla, columnas);
            origen->leeFilas(tabla, columnas, [&](const FilaCopia& fila) {
                destino->agregaFila(fila);
                c.origen.agrega(fila, columnas);
                progreso.avanza();
            });
            destino->terminaTabla();
            comparaciones.push_back(std::move(c));
        }
        progreso.termina();
        destino->ajustaSecuencias(tablas);

        bool iguales = true;
        for (Comparacion& c : comparaciones) {
            const std::vector<ColumnaCopia> columnas = destino->columnas(c.tabla);
            destino->leeFilas(c.tabla, columnas, [&](const FilaCopia& fila) { c.destino.agrega(fila, columnas); });
            iguales = iguales && c.origen == c.destino;
        }
        imprimeComparacion(comparaciones, salida);
        if (!iguales) {
            destino->descarta();
            errores << QStringLiteral(
                           "La comprobación no coincide en todas las tablas: no se ha dejado la copia en %1, "
                           "que queda como estaba.")
                           .arg(destino->descripcion())
                    << Qt::endl;
            return Fallo;
        }
        destino->confirma();
        int64_t filas = 0;
        for (const Comparacion& c : comparaciones)
            filas += c.destino.filas();
        salida << QStringLiteral("Copia completa y comprobada: %1 tablas, %2 filas, en %3.")
                      .arg(comparaciones.size())
                      .arg(filas)
                      .arg(destino->descripcion())
               << Qt::endl;
        return Bien;
    } catch (const FalloCopia& fallo) {
        causa = fallo.mensaje;
    } catch (const ErrorVB& error) {
        causa = error.descripcion();
    }
    // Only a failure gets here: every other way out of the copy has returned.
    progreso.termina();
    if (destino)
        destino->descarta();
    errores << causa << Qt::endl << QStringLiteral("No se ha copiado nada: el destino queda como estaba.") << Qt::endl;
    return Fallo;
}
