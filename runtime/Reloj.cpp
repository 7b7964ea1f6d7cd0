#include "runtime/Reloj.h"

#include <QElapsedTimer>

#include <optional>

namespace {
struct RelojFijo {
    QDateTime momento;
    bool avanza = false;
    QElapsedTimer desde;
};
std::optional<RelojFijo>& fijo()
{
    static std::optional<RelojFijo> valor;
    return valor;
}
} // namespace

QDateTime Reloj::ahora()
{
    const auto& f = fijo();
    if (!f)
        return QDateTime::currentDateTime();
    return f->avanza ? f->momento.addMSecs(f->desde.elapsed()) : f->momento;
}

void Reloj::fija(const QDateTime& momento, bool avanza)
{
    RelojFijo f{momento, avanza, {}};
    f.desde.start();
    fijo() = f;
}

void Reloj::libera()
{
    fijo().reset();
}
