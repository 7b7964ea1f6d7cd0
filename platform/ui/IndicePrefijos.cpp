#include "platform/ui/IndicePrefijos.h"

#include <algorithm>
#include <numeric>

IndicePrefijos::IndicePrefijos(std::vector<QString> textos) : claves_(std::move(textos)), orden_(claves_.size())
{
    for (QString& clave : claves_)
        clave = clave.trimmed().toCaseFolded();
    std::iota(orden_.begin(), orden_.end(), 0);
    std::sort(orden_.begin(), orden_.end(),
              [this](int a, int b) { return claves_[static_cast<size_t>(a)] < claves_[static_cast<size_t>(b)]; });
}

int IndicePrefijos::PrimeraFila(QStringView prefijo) const
{
    const QString buscado = prefijo.toString().toCaseFolded();
    // Every key that begins with the prefix sorts at or after it and before any key that does not.
    const auto desde = std::partition_point(orden_.begin(), orden_.end(),
                                            [&](int fila) { return claves_[static_cast<size_t>(fila)] < buscado; });
    const auto hasta = std::partition_point(
        desde, orden_.end(), [&](int fila) { return claves_[static_cast<size_t>(fila)].startsWith(buscado); });
    return desde == hasta ? -1 : *std::min_element(desde, hasta);
}
