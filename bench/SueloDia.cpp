#include "SueloDia.h"

#include <QSqlDatabase>
#include <QSqlQuery>

void MideSueloDia(benchmark::State& estado, QSqlDatabase& base, const QDate& dia)
{
    const QString consulta
        = QStringLiteral("SELECT * FROM MV_AGENDA WHERE FECHA BETWEEN '%1 00:00:00' AND '%1 23:59:00'")
              .arg(dia.toString(Qt::ISODate));
    int filas = 0;
    for (auto _ : estado) {
        QSqlQuery q(base);
        q.setForwardOnly(true);
        q.exec(consulta);
        filas = 0;
        while (q.next()) {
            for (int i = 0; i < 5; ++i)
                benchmark::DoNotOptimize(q.value(i));
            ++filas;
        }
    }
    if (filas != estado.range(0))
        estado.SkipWithError("el día no tiene las franjas esperadas");
}
