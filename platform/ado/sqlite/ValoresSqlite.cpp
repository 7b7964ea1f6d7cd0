#include "platform/ado/sqlite/ValoresSqlite.h"

#include "platform/ado/dialect/FechasDialecto.h"

#include <limits>
#include <sqlite3.h>

namespace ado::sqlite {

QVariant ValorDeColumna(sqlite3_stmt* sentencia, int i)
{
    switch (sqlite3_column_type(sentencia, i)) {
    case SQLITE_INTEGER:
        return static_cast<qlonglong>(sqlite3_column_int64(sentencia, i));
    case SQLITE_FLOAT:
        return sqlite3_column_double(sentencia, i);
    case SQLITE_NULL:
        return {};
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(sentencia, i)),
                          sqlite3_column_bytes(sentencia, i));
    default:
        return QString::fromUtf16(static_cast<const char16_t*>(sqlite3_column_text16(sentencia, i)),
                                  sqlite3_column_bytes16(sentencia, i) / qsizetype(sizeof(char16_t)));
    }
}

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
            if (const auto fecha = dialecto::LeeFechaConDia(crudo.toString()))
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
