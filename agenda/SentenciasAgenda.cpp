#include "agenda/SentenciasAgenda.h"

QString SentenciasAgenda::CrearAgenda(const QDate& dia, const QString& minutos, bool minutosPositivos)
{
    QString texto = QStringLiteral("EXEC KQ_CREARAGENDA '%1'").arg(dia.toString(QStringLiteral("dd/MM/yyyy")));
    if (minutosPositivos)
        texto += QStringLiteral(", ") + minutos;
    return texto;
}

QString SentenciasAgenda::ExisteDia(const QString& tabla, const QDate& dia)
{
    return QStringLiteral("SELECT * FROM %1 WHERE FECHA = '%2'").arg(tabla, dia.toString(QStringLiteral("dd/MM/yyyy")));
}

QString SentenciasAgenda::SlotsDelDia(const QDate& dia)
{
    const QString fecha = DiaSinCeros(dia);
    return QStringLiteral("SELECT * FROM MV_AGENDA WHERE FECHA BETWEEN '%1' AND '%1 23:59' ORDER BY FECHA, ID")
        .arg(fecha);
}

QString SentenciasAgenda::Pendiente(const QString& id, bool esEntrevista)
{
    const QString vista
        = esEntrevista ? QStringLiteral("P_EntrevistasPendientes") : QStringLiteral("P_EvaluacionesPendientes");
    return QStringLiteral("SELECT ID FROM %1 WHERE ID = %2").arg(vista, id);
}

QString SentenciasAgenda::GuardaNota(const QString& nota, const QString& id)
{
    QString escapada = nota;
    escapada.replace(QLatin1Char('\''), QLatin1String("''"));
    return QStringLiteral("UPDATE MV_AGENDA SET MENSAJE = '") + escapada + QStringLiteral("' WHERE ID = ") + id;
}

QString SentenciasAgenda::LeeNota(const QString& id)
{
    return QStringLiteral("SELECT Mensaje FROM MV_AGENDA WHERE ID = ") + id;
}

QString SentenciasAgenda::DiaSinCeros(const QDate& dia)
{
    return QStringLiteral("%1/%2/%3").arg(dia.day()).arg(dia.month()).arg(dia.year());
}
