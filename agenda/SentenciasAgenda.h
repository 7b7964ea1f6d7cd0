#pragma once

#include <QDate>
#include <QString>

// The texts the agenda window sends to the database, in the suite's SQL dialect with day-first dates.
class SentenciasAgenda {
public:
    // The characters a slot's note holds (the width of MV_AGENDA.Mensaje).
    static constexpr qsizetype LargoNota = 255;

    // "EXEC KQ_CREARAGENDA 'dd/mm/yyyy'", followed by ", " and `minutos` exactly as configured when
    // `minutosPositivos` is true (the configured slot length's leading number is greater than 0).
    [[nodiscard]] static QString CrearAgenda(const QDate& dia, const QString& minutos, bool minutosPositivos);
    // Today's existence test: the rows of `tabla` exactly at midnight of `dia`.
    [[nodiscard]] static QString ExisteDia(const QString& tabla, const QDate& dia);
    // Every slot of `dia`, with the day written d/m/yyyy (no leading zeros) up to 23:59, in time order
    // (slots at the same time by their key): a server returns rows in whatever order its plan reads them.
    [[nodiscard]] static QString SlotsDelDia(const QDate& dia);
    // The pending view's row for an interview or evaluation id (placed unquoted).
    [[nodiscard]] static QString Pendiente(const QString& id, bool esEntrevista);
    // The stored note of one slot (its id placed unquoted).
    [[nodiscard]] static QString LeeNota(const QString& id);
    // Stores a note; single quotes in it are doubled so the note is stored as typed.
    [[nodiscard]] static QString GuardaNota(const QString& nota, const QString& id);
    // The day as d/m/yyyy, without leading zeros (5/3/2025).
    [[nodiscard]] static QString DiaSinCeros(const QDate& dia);
};
