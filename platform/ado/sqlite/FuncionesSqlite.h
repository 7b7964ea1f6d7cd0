#pragma once

struct sqlite3;

namespace ado::sqlite {

// Registers on one connection the collation and functions the translated statements name. Nothing of
// this is stored in the file: the schema names none of it, so any SQLite tool reads the file without
// them. A null connection is ignored. Text is UTF-8; NULL in gives NULL out unless said otherwise.
//  - collation KQ_CI: the order of the suite's Spanish server collation (ComparaPlegado): case
//    ignored, accents kept ('JOSÉ' = 'José', 'JOSE' <> 'José') but weighed after the letters
//    ('alba' < 'Álvarez' < 'Bruno'), Ñ after N; trailing blanks are ignored ('ADMIN ' = 'admin').
//  - KQ_LEN(x): characters of x as text, trailing blanks not counted.
//  - KQ_CHARINDEX(buscado, texto[, inicio]): 1-based position of buscado in texto from character
//    `inicio` on (below 1 counts as 1), ignoring case like KQ_CI; 0 when absent or buscado is empty.
//  - KQ_GETDATE(): the program's clock (Reloj::ahora()) as stored date text "2025-03-05 09:30:00".
//  - like(patron, texto[, escape]): LIKE ignoring case like KQ_CI, with [abc], [a-z] and [^a-z]
//    (see PatronLikeDialecto); an escape that is not one character is an error.
//  - upper(x), lower(x): simple Unicode case mapping ('josé' → 'JOSÉ').
//  - the text, number, date and conversion functions of RegistraFuncionesTexto and
//    RegistraFuncionesFecha.
void RegistraFuncionesDialecto(sqlite3* conexion);

} // namespace ado::sqlite
