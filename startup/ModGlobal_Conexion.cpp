#include "data/DB_Dll.h"
#include "lookup/Lib_ClsCons3.h"
#include "platform/ado/RegistroProveedores.h"
#include "runtime/AvisoArranque.h"
#include "runtime/Entorno.h"
#include "runtime/ErrorVB.h"
#include "runtime/Estacion.h"
#include "runtime/FinDePrograma.h"
#include "runtime/FuncionesVB.h"
#include "runtime/LectorIni.h"
#include "runtime/LecturaNumeros.h"
#include "runtime/PasosAtrapados.h"
#include "runtime/SharedRuntime.h"
#include "runtime/VentanasPrograma.h"
#include "startup/ModGlobal.h"
#include "startup/ParametrosArranque.h"

#include <QFileInfo>

namespace {

constexpr int kTiempoEsperaComandos = 360;

// No connection: every window closes and the program ends; FinDePrograma is no error, so no trap
// on the way up to main() can swallow it.
[[noreturn]] void TerminaPrograma()
{
    VentanasPrograma::actual().CierraTodas();
    throw FinDePrograma{0};
}

QString seccionEstacion()
{
    return Estacion::NombreEquipo().toUpper() + u'|' + Estacion::NombreUsuario().toUpper();
}

} // namespace

QString ModGlobal::ExtraerServidor(const QString& Servidor)
{
    const qsizetype barra = Servidor.indexOf(u'/');
    QString parte = barra >= 0 ? Servidor.mid(barra + 1) : Servidor;
    const qsizetype dosPuntos = parte.indexOf(u':');
    if (dosPuntos >= 0)
        parte.truncate(dosPuntos);
    return parte;
}

void ModGlobal::IniciarConexion(bool& UsaIni, QString& Parametros, QString& CadenaConexion)
{
    const SharedRuntime& rt = Runtime();
    DB_Dll& db = DB();
    QString rutaAplicacion;
    QString linea;
    QString servidor, baseDatos, usuario, clave, proveedor;
    bool yaConectada = false;

    const auto extrae = [&](const char* nombre, QString* destino, const QString& ausente = {}) {
        return [&, nombre, destino, ausente] {
            if (!yaConectada)
                ParametrosArranque::Extrae(linea, QString::fromLatin1(nombre), *destino, ausente);
        };
    };
    const auto siNoConectada = [&](auto accion) {
        return [&, accion] {
            if (!yaConectada)
                accion();
        };
    };

    EjecutaPasos(
        {
            [&] { rutaAplicacion = rt.RutaConBarra(Entorno::carpetaPrograma()); },
            [&] {
                gColorLetra = 0;
                gColorFondo = 16777215;
            },
            [&] { linea = Parametros.isEmpty() ? ParametrosArranque::LineaDeOrdenes() : Parametros; },
            [&] {
                if (FuncionesVB::EnBlanco(linea) && UsaIni)
                    linea = ParametrosArranque::LineaDesdeIni(seccionEstacion() + QStringLiteral("BaseDeDatos"), rt);
            },
            [&] {
                gSeccionEstacion = seccionEstacion();
                gFlatToolbars = LecturaNumeros::NumeroInicial(
                    LectorIni::LeeIni(QStringLiteral("CN000pr.INI"), gSeccionEstacion, QStringLiteral("FlatToolbars"),
                                      QStringLiteral("1")));
            },
            [&] { yaConectada = db.gOpenFlag; },
            extrae("@ParametroAdicional", &gParametroAdicional),
            extrae("@Menu", &gMenu),
            extrae("@Server", &servidor),
            extrae("@DbName", &baseDatos),
            extrae("@Usuario", &usuario),
            extrae("@Password", &clave),
            extrae("@UsuarioLogeado", &gUsuarioLogeado),
            extrae("@Caja", &gCaja, QStringLiteral("1")),
            extrae("@Proveedor", &proveedor),
            siNoConectada([&] {
                if (!FuncionesVB::EnBlanco(proveedor))
                    db.gProveedor = proveedor;
            }),
            siNoConectada([&] {
                if (FuncionesVB::EnBlanco(servidor) || !servidor.startsWith(u'#'))
                    return;
                servidor.remove(0, 1);
                if (CadenaConexion.isEmpty())
                    CadenaConexion = DB_Dll::CadenaOracle(baseDatos, usuario, clave);
            }),
            siNoConectada([&] {
                db.gUsuario = usuario;
                db.gDbName = baseDatos;
                db.gUserPassWord = clave;
                // The office server keeps its port: host:port is how it is reached.
                const bool conPuerto
                    = ado::RegistroProveedores::motor(db.gProveedor) == ado::RegistroProveedores::Motor::PostgreSQL;
                db.gServidor = conPuerto ? servidor.trimmed() : ExtraerServidor(servidor);
            }),
            siNoConectada([&] { db.OpenServerADODB(FuncionesVB::EnBlanco(servidor), 3, CadenaConexion, true); }),
            siNoConectada([&] {
                if (!db.gOpenFlag)
                    TerminaPrograma();
            }),
            siNoConectada([&] { gUsuarioLogeado = db.gUsuario; }),
            siNoConectada([&] { db.gCnn().setCommandTimeout(kTiempoEsperaComandos); }),
            siNoConectada([&] { db.gCnn().setDefaultDatabase(db.gDbName); }),
            [&] {
                gCadenaDsn = QStringLiteral("DSN=") + db.gDbName + QStringLiteral("; UID=") + db.gUsuario
                    + QStringLiteral("; PWD=") + db.gUserPassWord;
            },
            [&] { AvisoArranque::InformaRuta(rutaAplicacion); },
            [&] {
                Lib_ClsCons3& consultas = ClsCons3();
                consultas.gConnString = db.gConnString;
                consultas.gUsarMascarasConsultas = true;
                const QString archivo = QStringLiteral("consultas.kqw");
                consultas.gRutaMascaraConsultas = rt.RutaConBarra(Entorno::carpetaArchivo(archivo)) + archivo;
            },
            [&] {
                if (!QFileInfo(ClsCons3().gRutaMascaraConsultas).isFile())
                    CargarConsultas();
            },
            [&] {
                if (!db.gDbName.isEmpty())
                    CargarConfiguracion(rutaAplicacion);
            },
        },
        [](const ErrorVB& e) {
            return e.numero() == ErroresVB::LlamadaNoValida ? AccionError::Continuar : int16_t{0};
        });
}
