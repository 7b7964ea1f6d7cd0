#include "runtime/TextoValor.h"

#include <QDateTime>

QString TextoValor::De(const QVariant& valor)
{
    switch (valor.typeId()) {
    case QMetaType::QDateTime: {
        const QDateTime momento = valor.toDateTime();
        return momento.time() == QTime(0, 0) ? momento.toString(QStringLiteral("dd/MM/yyyy"))
                                             : momento.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    }
    case QMetaType::QDate:
        return valor.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case QMetaType::QTime:
        return valor.toTime().toString(QStringLiteral("HH:mm:ss"));
    default:
        return valor.toString();
    }
}
