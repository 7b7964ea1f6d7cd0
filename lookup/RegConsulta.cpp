#include "lookup/RegConsulta.h"

#include "runtime/Windows1252.h"

#include <QHash>

namespace {

// Character to byte, the inverse of the code page's decoding table.
const QHash<char16_t, char>& tablaInversa()
{
    static const QHash<char16_t, char> tabla = [] {
        QHash<char16_t, char> t;
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            t.insert(Windows1252::decodifica(QByteArrayView(&byte, 1)).at(0).unicode(), byte);
        }
        return t;
    }();
    return tabla;
}

void agregaCampo(QByteArray& destino, const QString& texto, qsizetype ancho)
{
    const auto& tabla = tablaInversa();
    const QString parte = texto.left(ancho);
    for (QChar c : parte)
        destino.append(tabla.value(c.unicode(), '?'));
    destino.append(ancho - parte.size(), ' ');
}

} // namespace

QByteArray RegConsulta::aBytes() const
{
    QByteArray bytes;
    bytes.reserve(kLargo);
    agregaCampo(bytes, NombreConsulta, kLargoNombre);
    agregaCampo(bytes, OrigenConsulta, kLargoOrigen);
    agregaCampo(bytes, CamposConsulta, kLargoCampos);
    agregaCampo(bytes, FiltroConsulta, kLargoFiltro);
    bytes.append("\r\n", 2);
    return bytes;
}

RegConsulta RegConsulta::desdeBytes(QByteArrayView bytes)
{
    const QByteArray todos = bytes.toByteArray();
    qsizetype desde = 0;
    const auto campo = [&](qsizetype ancho) {
        const QString texto = Windows1252::decodifica(todos.mid(desde, ancho));
        desde += ancho;
        return texto;
    };
    RegConsulta r;
    r.NombreConsulta = campo(kLargoNombre);
    r.OrigenConsulta = campo(kLargoOrigen);
    r.CamposConsulta = campo(kLargoCampos);
    r.FiltroConsulta = campo(kLargoFiltro);
    return r;
}
