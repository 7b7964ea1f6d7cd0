#pragma once

#include <cstdint>

// ADO's constants, with ADO's names and values.
namespace ado {

enum EstadoObjeto : int { adStateClosed = 0, adStateOpen = 1 };
enum TipoCursor : int {
    adOpenUnspecified = -1,
    adOpenForwardOnly = 0,
    adOpenKeyset = 1,
    adOpenDynamic = 2,
    adOpenStatic = 3
};
enum TipoBloqueo : int {
    adLockUnspecified = -1,
    adLockReadOnly = 1,
    adLockPessimistic = 2,
    adLockOptimistic = 3,
    adLockBatchOptimistic = 4
};
enum UbicacionCursor : int { adUseServer = 2, adUseClient = 3 };
enum EsquemaAdo : int { adSchemaColumns = 4, adSchemaTables = 20 };

enum TipoDato : int {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBSTR = 8,
    adBoolean = 11,
    adVariant = 12,
    adDecimal = 14,
    adTinyInt = 16,
    adBigInt = 20,
    adBinary = 128,
    adChar = 129,
    adWChar = 130,
    adNumeric = 131,
    adDBDate = 133,
    adDBTime = 134,
    adDBTimeStamp = 135,
    adVarChar = 200,
    adLongVarChar = 201,
    adVarWChar = 202,
    adLongVarWChar = 203,
    adLongVarBinary = 205
};

// The error numbers a provider failure is reported with, as ADO numbers them.
namespace NumeroError {
inline constexpr int32_t ErroresEnComando = static_cast<int32_t>(0x80040E14); // syntax and command errors
inline constexpr int32_t NoExisteTabla = static_cast<int32_t>(0x80040E37); // unknown table or view
inline constexpr int32_t ViolacionIntegridad = static_cast<int32_t>(0x80040E2F); // constraint violations
inline constexpr int32_t Fallo = static_cast<int32_t>(0x80004005); // anything else
inline constexpr int32_t ProveedorNoEncontrado = static_cast<int32_t>(0x800A0E7A); // provider not available
inline constexpr int32_t ObjetoCerrado = static_cast<int32_t>(0x800A0E78); // operation not allowed when closed
inline constexpr int32_t SinRegistroActual = static_cast<int32_t>(0x800A0BCD); // BOF or EOF is true
inline constexpr int32_t ObjetoAbierto = static_cast<int32_t>(0x800A0E79); // operation not allowed when open
inline constexpr int32_t NoActualizable = static_cast<int32_t>(0x800A0CB3); // recordset does not support updating
} // namespace NumeroError

} // namespace ado
