#include "copia/ProgresoCopia.h"

namespace {
constexpr int kAnchoBarra = 30;
}

ProgresoCopia::ProgresoCopia(QTextStream& salida, bool activo) : salida_(salida), activo_(activo) { }

void ProgresoCopia::iniciaTabla(const QString& tabla, int64_t total)
{
    tabla_ = tabla;
    total_ = total;
    hechas_ = 0;
    proximoDibujo_ = 0;
    dibuja();
}

void ProgresoCopia::avanza()
{
    if (++hechas_ >= proximoDibujo_ || hechas_ == total_)
        dibuja();
}

void ProgresoCopia::dibuja()
{
    if (!activo_)
        return;
    // About a hundred redraws per table, whatever its size.
    proximoDibujo_ = hechas_ + std::max<int64_t>(1, total_ / 100);
    const int llenas = total_ > 0 ? static_cast<int>(kAnchoBarra * std::min(hechas_, total_) / total_) : kAnchoBarra;
    salida_ << '\r' << tabla_.leftJustified(24, u' ', true) << " [" << QString(llenas, u'#')
            << QString(kAnchoBarra - llenas, u'.') << "] " << hechas_ << '/' << total_ << "\x1b[K";
    salida_.flush();
}

void ProgresoCopia::termina()
{
    if (activo_) {
        salida_ << "\r\x1b[K";
        salida_.flush();
    }
}
