#include "data/DB_Dll.h"
#include "runtime/ErrorVB.h"
#include "runtime/FuncionesVB.h"
#include "runtime/SharedRuntime.h"
#include "startup/ModGlobal.h"

#include <cmath>
#include <limits>

namespace {

constexpr int32_t kFondoPorDefecto = 16776960; // &HFFFF00

QString lee(const char* clave)
{
    QString aux;
    return ModGlobal::Cfg(QString::fromLatin1(clave), aux);
}

// "SI" in any case, untrimmed: a missing key (" ") is false.
bool esSi(const QString& valor)
{
    return valor.compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0;
}

bool esSi(const char* clave)
{
    return esSi(lee(clave));
}

QString recortado(const char* clave)
{
    return FuncionesVB::Trim(lee(clave));
}

// Anything but "NO": a missing key is true.
bool noEsNo(const char* clave)
{
    return recortado(clave).compare(QLatin1String("NO"), Qt::CaseInsensitive) != 0;
}

// Set and not "NO". The key is read once for each test, both reads always made.
bool puestoYNoEsNo(const char* clave)
{
    const bool puesto = !recortado(clave).isEmpty();
    const bool noEsNoValor = noEsNo(clave);
    return puesto && noEsNoValor;
}

// Set and "SI" once trimmed, read the same way.
bool puestoYEsSi(const char* clave)
{
    const bool puesto = !recortado(clave).isEmpty();
    const bool siValor = esSi(recortado(clave));
    return puesto && siValor;
}

[[noreturn]] void elevaDesbordamiento()
{
    throw ErrorVB(ErroresVB::Desbordamiento, QStringLiteral("Desbordamiento"), QStringLiteral("CargarConfiguracion"));
}

// A currency amount rounded to a whole 32-bit number, halves to the even neighbour.
int32_t redondeaEntero(const Moneda& valor)
{
    const double redondeado = std::nearbyint(valor.aDouble());
    if (redondeado > std::numeric_limits<int32_t>::max() || redondeado < std::numeric_limits<int32_t>::min())
        elevaDesbordamiento();
    return static_cast<int32_t>(redondeado);
}

int16_t periodo(const SharedRuntime& rt, const QString& valor)
{
    const int32_t entero = rt.ValorEntero(valor);
    if (entero > std::numeric_limits<int16_t>::max() || entero < std::numeric_limits<int16_t>::min())
        elevaDesbordamiento();
    return static_cast<int16_t>(entero);
}

} // namespace

void ModGlobal::CargarConfiguracion(const QString& RutaAplicacion)
{
    const SharedRuntime& rt = Runtime();
    gTablaConfiguracion = QStringLiteral("ta_configuracion");

    gMostrarStockEnConsultas = esSi(rt.ValorCampo(lee("MostrarStockenConsultas")).toString());
    gTituloClientes = recortado("TituloClientes");
    gTituloProveedores = recortado("TituloProveedores");
    gRutaDocTareas = RutaAplicacion + QStringLiteral("KQDOCTareas.kqw");
    gExigeClaveConsultaLike = esSi("EXIGECLAVECONSULTALIKEARTICULOS");
    gUsaConsultaLike = esSi("UsaConsultaLike");
    gCantidadDecimales = lee("CantidadDecimales");
    gUsaMultilesMonedas = esSi("UsaMultilesMonedas");
    gUsaFacturaProforma = esSi("UsaFacturaProforma");
    gUsaCCosto = esSi("USACCOSTO");

    const QString unidad = rt.AlineaDerecha(
        rt.ValorCampo(DB().DatosTabla(QStringLiteral("ta_usuarios"), gUsuarioLogeado, QStringLiteral("UNegocio"),
                                      QStringLiteral("nombre"), 8, {}, true))
            .toString(),
        4);
    gUnidadNegocio = unidad.isEmpty() ? QStringLiteral("   1") : unidad;

    gUnidadMedidaM3 = recortado("UNIDADDEMEDIDA_M3");
    gUnidadMedidaBL = recortado("UNIDADDEMEDIDA_BL");
    gUnidadMedidaKG = recortado("UNIDADDEMEDIDA_KG");
    gPeriodo = periodo(rt, lee("PERIODO"));
    gValidaCodigoBarra = puestoYEsSi("VALIDACODIGOBARRA");
    gConfiguracionCargada = true;

    const int32_t fondo = redondeaEntero(rt.ValorNumerico(lee("CFondo")));
    gColorFondo = fondo == 0 ? kFondoPorDefecto : fondo;
    gColorLetra = redondeaEntero(rt.ValorNumerico(lee("CLetra")));

    gModuloOrdenDeTrabajo = noEsNo("ModuloOrdenDeTrabajo");
    gVModificaCPrecio = puestoYNoEsNo("V_ModificaCPrecio");
    gCModificaCPrecio = puestoYNoEsNo("C_ModificaCPrecio");
    gMaderera = puestoYNoEsNo("MADERERA");
    gMadTiras = recortado("MAD_TIRAS");
    gMadP2 = recortado("MAD_P2");
    gMadML = recortado("MAD_ML");
    gMadM2 = recortado("MAD_M2");
    gMadHojas = recortado("MAD_HOJAS");
    gMadMLP2 = recortado("MAD_ML_P2");
    gMadM2P2 = recortado("MAD_M2_P2");
    gMadMLM2 = recortado("MAD_ML_M2");
    gCuentaCtroDist = recortado("CuentaCtroDist");
    gMaxDto = rt.ValorNumerico(recortado("MaxDto"));
}
