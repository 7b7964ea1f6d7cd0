#include "app/ConsolaConsulta.h"

#include "app/ConexionConsola.h"
#include "lookup/Lib_ClsCons3.h"
#include "runtime/DialogosConsola.h"
#include "runtime/Entorno.h"
#include "runtime/ErrorVB.h"
#include "startup/ModGlobal.h"

#include <QFileInfo>

namespace {

// The catalogue as start-up prepares it, for a tool connected by a connection string.
void preparaCatalogo(QTextStream& errores)
{
    Lib_ClsCons3& consultas = ModGlobal::ClsCons3();
    consultas.gConnString = ModGlobal::DB().gConnString;
    consultas.gUsarMascarasConsultas = true;
    const QString archivo = QStringLiteral("consultas.kqw");
    consultas.gRutaMascaraConsultas = ModGlobal::Runtime().RutaConBarra(Entorno::carpetaArchivo(archivo)) + archivo;
    if (QFileInfo(consultas.gRutaMascaraConsultas).isFile())
        return;
    try {
        ModGlobal::CargarConsultas();
    } catch (const ErrorVB& e) {
        errores << e.descripcion() << Qt::endl;
    }
}

} // namespace

std::optional<ConsolaConsulta::Opciones> ConsolaConsulta::LeeOpciones(const QStringList& argumentos,
                                                                      QTextStream& errores)
{
    Opciones o;
    QStringList posicionales;
    const std::pair<const char*, QString*> conValor[] = {
        {"--campo", &o.campo}, {"--clave", &o.clave}, {"--where", &o.where}, {"--valores-default", &o.valoresDefault}};
    const std::pair<const char*, bool*> marcas[]
        = {{"--arbol", &o.arbol}, {"--checks", &o.checks}, {"--cantidades", &o.cantidades}};
    bool bien = true;
    for (qsizetype i = 0; bien && i < argumentos.size(); ++i) {
        const QString& a = argumentos[i];
        // An argument that starts with "-" is an option, known or not, never a connection.
        if (!a.startsWith(u'-')) {
            posicionales << a;
            continue;
        }
        bool conocida = false;
        for (const auto& [nombre, destino] : marcas) {
            if (a == QLatin1String(nombre)) {
                *destino = conocida = true;
            }
        }
        for (const auto& [nombre, destino] : conValor) {
            if (a == QLatin1String(nombre)) {
                conocida = i + 1 < argumentos.size();
                if (conocida)
                    *destino = argumentos[++i];
            }
        }
        bien = conocida;
    }
    if (!bien || posicionales.size() != 2 || posicionales[0].trimmed().isEmpty()
        || posicionales[1].trimmed().isEmpty()) {
        errores << kUso << Qt::endl;
        return std::nullopt;
    }
    o.conexion = posicionales[0];
    o.pedido = posicionales[1];
    return o;
}

int ConsolaConsulta::Ejecuta(const Opciones& opciones, QTextStream& salida, QTextStream& errores)
{
    ConexionConsola conexion(opciones.conexion, ConexionConsola::Objeto::Compartido);
    {
        const DialogosConsola::Instalados consola(errores);
        if (!conexion.Abre(errores))
            return kSalidaUso;
        if (!opciones.conexion.startsWith(u'@'))
            preparaCatalogo(errores);
    }

    Lib_ClsCons3& consultas = ModGlobal::ClsCons3();
    consultas.Checks = opciones.checks;
    consultas.CampoDevuelto = opciones.campo;
    consultas.UsaCantidades = opciones.cantidades;
    ArgumentosConsulta argumentos;
    argumentos.Clave = opciones.clave;
    argumentos.Where = opciones.where;
    argumentos.TreeView = opciones.arbol;
    argumentos.ValoresDefault = opciones.valoresDefault;
    consultas.ConsultaSearch(opciones.pedido, argumentos);

    salida << consultas.ValorDevuelto.toString() << '\n';
    const QVariantList valores = consultas.Valores ? *consultas.Valores : QVariantList();
    const QVariantList cantidades = consultas.Cantidades ? *consultas.Cantidades : QVariantList();
    for (qsizetype i = 0; i < valores.size(); ++i) {
        salida << valores[i].toString();
        if (opciones.cantidades)
            salida << '\t' << (i < cantidades.size() ? cantidades[i].toString() : QString());
        salida << '\n';
    }
    salida.flush();
    // A cancel leaves Valores unset; an accept, even of nothing, leaves a collection.
    return consultas.Valores ? kSalidaAceptada : kSalidaCancelada;
}

const char* const ConsolaConsulta::kUso
    = "Uso: agenda-consulta CONEXION TABLA_O_SELECT [--arbol] [--checks] [--campo CAMPO] [--clave TEXTO]\n"
      "                     [--where CONDICION] [--cantidades] [--valores-default TEXTO]";
