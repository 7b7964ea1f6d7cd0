#pragma once

#include <QDate>

#include <benchmark/benchmark.h>

class QSqlDatabase;

// The floor of a day load: the day's rows of MV_AGENDA fetched with one query through Qt's driver on
// `base`, each value read once, timed for every iteration of `estado`; a day without `estado.range(0)`
// rows marks the benchmark as failed.
void MideSueloDia(benchmark::State& estado, QSqlDatabase& base, const QDate& dia);
