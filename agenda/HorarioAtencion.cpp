#include "agenda/HorarioAtencion.h"

#include <QStringList>

QTime HorarioAtencion::Lee(const QString& texto, const QTime& defecto)
{
    const QStringList partes = texto.trimmed().split(QLatin1Char(':'));
    if (partes.size() < 2 || partes.size() > 3)
        return defecto;
    int valores[3] = {0, 0, 0};
    for (qsizetype i = 0; i < partes.size(); ++i) {
        const QString& parte = partes.at(i);
        bool ok = false;
        valores[i] = parte.toInt(&ok);
        if (!ok || parte.isEmpty() || parte.size() > 2 || !parte.at(0).isDigit())
            return defecto;
    }
    const QTime hora(valores[0], valores[1], valores[2]);
    return hora.isValid() ? QTime(hora.hour(), hora.minute()) : defecto;
}
