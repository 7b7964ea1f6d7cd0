#include "runtime/SharedRuntime.h"

#include "runtime/Dialogos.h"
#include "runtime/LecturaNumeros.h"
#include "runtime/RegistroErrores.h"
#include "runtime/Reloj.h"
#include "runtime/VentanasPrograma.h"

#include <QStringDecoder>

#include <cmath>
#include <limits>
#include <vector>

namespace {
const QString marcaEnvuelto = QStringLiteral("~~");
constexpr auto base64 = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

// Wait cursors taken off by each pending AntesDeMensaje, innermost last.
std::vector<int>& cursoresQuitados()
{
    static std::vector<int> pila;
    return pila;
}

// The same operation both ways: XOR is its own inverse.
QByteArray mezcla(QByteArray bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(static_cast<unsigned char>(bytes[i]) ^ static_cast<unsigned char>(0x5A + 31 * i));
    return bytes;
}

[[noreturn]] void desborda(const QString& origen)
{
    throw ErrorVB(ErroresVB::Desbordamiento, QStringLiteral("Desbordamiento"), origen);
}
} // namespace

Moneda SharedRuntime::ValorNumerico(const QString& texto) const
{
    return Moneda::desdeDouble(LecturaNumeros::NumeroInicial(texto));
}

int32_t SharedRuntime::ValorEntero(const QString& texto) const
{
    // nearbyint rounds halves to even in the default rounding mode.
    const double redondeado = std::nearbyint(LecturaNumeros::NumeroInicial(texto));
    if (redondeado < std::numeric_limits<int32_t>::min() || redondeado > std::numeric_limits<int32_t>::max())
        desborda(QStringLiteral("ValorEntero"));
    return static_cast<int32_t>(redondeado);
}

QVariant SharedRuntime::ValorCampo(const QVariant& valor) const
{
    if (!valor.isValid() || valor.isNull())
        return QString(QLatin1String(""));
    return valor;
}

int SharedRuntime::CuentaPalabras(const QString& texto) const
{
    return static_cast<int>(texto.simplified().split(u' ', Qt::SkipEmptyParts).size());
}

QString SharedRuntime::LimpiaTexto(const QString& texto, const QString& c, const QString& r, const QString& x) const
{
    QString limpio = texto;
    for (const QString* quitar : {&c, &r, &x}) {
        if (!quitar->isEmpty())
            limpio.remove(*quitar);
    }
    return limpio;
}

QString SharedRuntime::ReemplazaTexto(const QString& texto, const QString& buscado, const QString& nuevo) const
{
    if (buscado.isEmpty())
        return texto;
    return QString(texto).replace(buscado, nuevo);
}

QString SharedRuntime::ReemplazaCadena(const QString& texto, const QString& buscado, const QString& nuevo) const
{
    return ReemplazaTexto(texto, buscado, nuevo);
}

void SharedRuntime::AntesDeMensaje(QWidget*) const
{
    VentanasPrograma& ventanas = VentanasPrograma::actual();
    if (!ventanas.Visible())
        return;
    int quitados = 0;
    while (ventanas.MuestraEspera()) {
        ventanas.QuitaCursor();
        ++quitados;
    }
    cursoresQuitados().push_back(quitados);
}

void SharedRuntime::DespuesDeMensaje(QWidget*) const
{
    auto& pila = cursoresQuitados();
    VentanasPrograma& ventanas = VentanasPrograma::actual();
    if (!ventanas.Visible() || pila.empty())
        return;
    for (int i = pila.back(); i > 0; --i)
        ventanas.PonEspera();
    pila.pop_back();
}

QString SharedRuntime::AlineaDerecha(const QString& texto, int ancho) const
{
    if (texto.isEmpty())
        return texto;
    return texto.rightJustified(ancho, u' ');
}

int16_t SharedRuntime::ReportaError(const ErrorVB& error, const QString& contexto) const
{
    AntesDeMensaje(nullptr);
    RegistroErrores::anota(Reloj::ahora(), contexto, error.numero(), error.descripcion());
    const int16_t respuesta = Dialogos::actual().ReportaError(error.numero(), error.descripcion(), contexto);
    DespuesDeMensaje(nullptr);
    return respuesta;
}

QString SharedRuntime::EnvuelveValor(const QString& texto) const
{
    if (texto.isEmpty())
        return texto;
    return marcaEnvuelto + QString::fromLatin1(mezcla(texto.toUtf8()).toBase64(base64));
}

QString SharedRuntime::DesenvuelveValor(const QString& texto) const
{
    if (!texto.startsWith(marcaEnvuelto))
        return texto;
    const QByteArray codificado = texto.mid(marcaEnvuelto.size()).toLatin1();
    const auto decodificado
        = QByteArray::fromBase64Encoding(codificado, base64 | QByteArray::AbortOnBase64DecodingErrors);
    // Only the exact text EnvuelveValor writes counts as wrapped.
    if (!decodificado || decodificado.decoded.isEmpty() || decodificado.decoded.toBase64(base64) != codificado)
        return texto;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString valor = utf8(mezcla(decodificado.decoded));
    return utf8.hasError() ? texto : valor;
}

QString SharedRuntime::RutaConBarra(const QString& ruta) const
{
    if (ruta.isEmpty() || ruta.endsWith(u'/'))
        return ruta;
    return ruta + u'/';
}
