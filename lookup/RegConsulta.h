#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// One record of the lookup catalogue "consultas.kqw": 1202 bytes, no header, nothing between
// records. Texts are stored one byte per character in Windows-1252, left-aligned and padded with
// blanks to their field's width; a longer text is cut at the width. A character Windows-1252 lacks
// is stored as "?".
//   offset    0, 100 bytes  NombreConsulta  name of the entry
//   offset  100, 100 bytes  OrigenConsulta  table or view the lookup reads (its key in the catalogue)
//   offset  200, 500 bytes  CamposConsulta  the columns, each preceded by "|" and the last followed by one
//   offset  700, 500 bytes  FiltroConsulta  the lookup's own WHERE condition, or blanks
//   offset 1200,   2 bytes  carriage return and line feed
struct RegConsulta {
    static constexpr qsizetype kLargo = 1202;
    static constexpr qsizetype kLargoNombre = 100;
    static constexpr qsizetype kLargoOrigen = 100;
    static constexpr qsizetype kLargoCampos = 500;
    static constexpr qsizetype kLargoFiltro = 500;

    QString NombreConsulta;
    QString OrigenConsulta;
    QString CamposConsulta;
    QString FiltroConsulta;

    // The 1202 bytes of the record.
    [[nodiscard]] QByteArray aBytes() const;
    // The record held by `bytes` (kLargo of them; fewer leave the missing fields short). Fields keep
    // their padding blanks, as the suite reads them; callers trim.
    [[nodiscard]] static RegConsulta desdeBytes(QByteArrayView bytes);

    friend bool operator==(const RegConsulta&, const RegConsulta&) = default;
};
