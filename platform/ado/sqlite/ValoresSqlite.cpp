#include "platform/ado/sqlite/ValoresSqlite.h"

#include "platform/ado/dialect/FechasDialecto.h"

#include <limits>

namespace ado::sqlite {

QVariant ValorLeido(const QVariant& crudo, bool columnaFecha)
{
    if (crudo.isNull())
        return {};
    switch (crudo.typeId()) {
    case QMetaType::LongLong: {
        const qlonglong n = crudo.toLongLong();
        if (n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max())
            return static_cast<int>(n);
        return n;
    }
    case QMetaType::QString:
        if (columnaFecha) {
            if (const auto fecha = dialecto::LeeFecha(crudo.toString()))
                return *fecha;
        }
        return crudo;
    default:
        return crudo;
    }
}

QVariant ValorEscrito(const QVariant& valor, bool columnaFecha)
{
    if (valor.isNull())
        return QVariant(QMetaType::fromType<QString>());
    switch (valor.typeId()) {
    case QMetaType::QDateTime:
        return dialecto::FechaAlmacenada(valor.toDateTime());
    case QMetaType::QDate:
        return dialecto::FechaAlmacenada(valor.toDate().startOfDay());
    case QMetaType::Bool:
        return valor.toBool() ? 1 : 0;
    case QMetaType::QString:
        if (columnaFecha) {
            if (const auto fecha = dialecto::TextoAlmacenado(valor.toString()))
                return *fecha;
        }
        return valor;
    default:
        return valor;
    }
}

} // namespace ado::sqlite
