#pragma once

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "runtime/SharedRuntime.h"

#include <QString>
#include <QVariant>

#include <cstdint>
#include <memory>
#include <optional>

// The suite's data-access class: it carries the connection and every query service. The program
// holds one object of it; every window, module and dialog reaches the database through it.
// Callers write SQL Server dialect with plain table names; the class swaps in the synonym tables for
// users who are not administrators and, on Oracle connections, translates the text and runs
// scripts statement by statement.
class DB_Dll {
public:
    DB_Dll();
    ~DB_Dll();
    DB_Dll(const DB_Dll&) = delete;
    DB_Dll& operator=(const DB_Dll&) = delete;

    // Public variables, as the suite's programs read and write them.
    bool gOpenFlag = false;
    QVariant gIgnoraPassWord;
    std::shared_ptr<ado::Recordset> glrcs;
    QVariant gCursorLocation;
    QString gProveedor;
    QString gDsn;
    QString gServidor;
    QString gDbName;
    QString gUsuario;
    bool gEsAdmin = false;
    QString gUserPassWord;
    QString gConnString;
    QString gExtended;
    bool ParametrosSQL = false;

    // The connection; an unset one is replaced by a new, unopened Connection whenever it is touched.
    [[nodiscard]] ado::Connection& gCnn();
    void setGCnn(std::shared_ptr<ado::Connection> conexion) { cnn_ = std::move(conexion); }

    // The program's shared object, created on first use and kept until the program ends.
    [[nodiscard]] static DB_Dll& Compartido();

    // Provider names of the suite.
    [[nodiscard]] static QString pJETOLEDB40() { return QStringLiteral("Microsoft.Jet.OLEDB.4.0"); }
    [[nodiscard]] static QString pJETOLEDB35() { return QStringLiteral("Microsoft.Jet.OLEDB.3.51"); }
    [[nodiscard]] static QString pSQLOLEDB() { return QStringLiteral("SQLOLEDB"); }
    // The connection string of an Oracle database: its provider, then Data Source, User Id and
    // Password, each item ended by ';'.
    [[nodiscard]] static QString CadenaOracle(const QString& baseDatos, const QString& usuario, const QString& clave);

    // Opens `Lrcs` (closed first when open) on the query. The caller's `SentenciaSQL` receives its
    // synonym-substituted form (never the Oracle translation); on an Oracle connection (ORACLE found in
    // the connection string after its first character, and the provider not one of the program's own:
    // DiccionarioOracle::EsConexionOracle) and with `ConvOracle`, the text sent is
    // translated. Every error goes to the error reporter under "AbrirRecordset" (4 retries the step,
    // 5 continues, other answers leave); after a failed open `Lrcs` stays closed.
    void AbrirRecordset(QString& SentenciaSQL, ado::Recordset* Lrcs, const ado::ConexionActiva& ConexionActiva = {},
                        int CursorType = ado::adOpenForwardOnly, int LockType = ado::adLockReadOnly, int Options = -1,
                        bool ConvOracle = true);

    // Executes a statement (on Oracle, a whole script). "@Admin_" markers are removed (and then no
    // synonym is swapped in); a text that contains DELETE anywhere keeps its table names; any other
    // text gets the synonyms. The caller's `SentenciaSQL` receives that form (on Oracle, the part of
    // the script not run). No error reaches the caller: errors numbered 0x80004005, 0x80040E2F,
    // 0x80040E37 or 0x80040E14 are silent, any other shows its description under
    // "Aviso al operador!!!"; either way the statement is simply not done.
    void EjecutaConsultaSQL(QString& SentenciaSQL, int32_t& RecordsAffected);
    void EjecutaConsultaSQL(QString& SentenciaSQL);

    // Closes the recordset when it is open; an unset reference goes to the error reporter under
    // "CierraRecordset".
    void CierraRecordset(ado::Recordset* LrcsTemp);

    // The text with table names exchanged for synonyms (see SinonimosTablas), by `gEsAdmin`.
    [[nodiscard]] QString SS_TSinonimos(const QString& SQL) const;
    // The Oracle translation of a text (see DiccionarioOracle), by `gConnString`.
    [[nodiscard]] QString ORACLE_Dicc(const QString& Valor) const;

    // Connection and login dialog (DB_Dll_Conexion.cpp). A failure to connect is a line of the error
    // log and a message; where a person can answer, the message asks to retry through the login
    // dialog, which shows the platform of the provider the retry will use; where nobody can (a
    // console tool), it states the failure and the object stays unconnected with gOpenFlag false.
    void OpenServerADODB(bool PideParametrosSQL = false, int32_t lCursor = ado::adUseClient,
                         const QString& ConnString = {}, bool ValidaAdmin = true);
    void OpenLocalADODB(const QString& ConnString = {}, const QString& CadenaID = QStringLiteral("User Id"),
                        const QString& CadenaPWD = QStringLiteral("Password"));

    // Single-row lookups (DB_Dll_Busquedas.cpp). DatosTabla gives the field's value as TextoValor
    // writes it (a date day-first), "" when no row matches.
    [[nodiscard]] QVariant DatosTabla(const QString& Tabla, const QString& ValorBuscado, const QString& CampoDevuelto,
                                      const QString& Campo = QStringLiteral("Codigo"), const QVariant& TipoDato = 8,
                                      const QString& Condicion = {}, bool UsaTrim = true);
    [[nodiscard]] bool ExisteEnTabla(const QString& Tabla, const QString& ValorBuscado,
                                     const QString& Campo = QStringLiteral("Codigo"), ado::Recordset* Lrcs = nullptr,
                                     const QVariant& TipoDato = 8, const QString& Condicion = {});
    [[nodiscard]] bool ExisteEnTablaST(const QString& Tabla, const QString& ValorBuscado,
                                       const QString& Campo = QStringLiteral("Codigo"), ado::Recordset* Lrcs = nullptr,
                                       const QVariant& TipoDato = 8, const QString& Condicion = {},
                                       bool SoloLectura = false);

    // Value and name helpers (DB_Dll_Ayudantes.cpp). An absent optional argument is "missing".
    // None traps errors: an argument that leaves nothing to cut raises error 5 to the caller.
    // Type classifiers: true when `Qtype`, read as a number, is one of the ADO codes of the kind
    // (dates 7, 64, 133-135, 137; texts 8, 130, 200-203 but not 129; numbers 2-5, 14, 16-21, 131 but
    // not currency 6; currency 6; boolean 11). Null, empty or non-numeric text is no type: false.
    [[nodiscard]] static bool adodate(const QVariant& Qtype);
    [[nodiscard]] static bool ADOText(const QVariant& Qtype);
    [[nodiscard]] static bool ADONumeric(const QVariant& Qtype);
    [[nodiscard]] static bool ADOCurrency(const QVariant& Qtype);
    [[nodiscard]] static bool ADOBoolean(const QVariant& Qtype);
    // The value as an SQL literal (a text QVariant). Null gives "0" for `Tipo` "@" and bare NULL for
    // any other. "@": the leading number of the value's text, to four decimals, with a point ("1.5").
    // "'": the text between single quotes, quotes inside doubled so the value never ends the literal.
    // Any other `Tipo`: the text bare. Dates are written day-first ("05/03/2025", with " HH:mm:ss"
    // when the time is not midnight); numbers keep Qt's point notation.
    [[nodiscard]] QVariant SQLValue(const QVariant& Valor, const QString& Tipo = QStringLiteral("'")) const;
    // "[name]" when the name holds a blank and does not start with "["; otherwise unchanged.
    [[nodiscard]] static QString AddBrackets(const QString& rObjName);
    // A name starting with "[" loses its first and last characters (the last is not checked to be
    // "]"); others unchanged. Error 5 for "[" alone.
    [[nodiscard]] static QString StripBrackets(const QString& rsObjName);
    // The name before "->" less the character just before the arrow ("Tab ->S" gives "Tab",
    // "Tab->S" gives "Ta"); unchanged without an arrow. Error 5 when it starts with "->".
    [[nodiscard]] static QString StripConnect(const QString& rsTblName);
    // The text after the first "." (written back to the argument too); without "." unchanged.
    static QString StripOwner(QString& rsTblName);
    // The folder of a path: the text before the last backslash; empty without one. Only "\"
    // counts as separator.
    [[nodiscard]] static QString StripFileName(const QString& rsFileName);
    // Splits "first.second": with at most one ".", the second part for a non-zero `rnPart` (the whole
    // name without "."), the first part for zero (error 5 without "."). With two or more ".",
    // StripOwner: the text after the first "." is the result and is written back to `rsName`.
    static QString stSTF(QString& rsName, int16_t rnPart);
    // Kept for the suite's callers; both do nothing.
    void QConsulta(const QString& TB, QObject* Rsp, const QString& Cl1, const QString& Cl2,
                   const QString& CmpDisplay = QStringLiteral("Codigo"),
                   const std::optional<QVariant>& SQLWHERE = std::nullopt);
    void QGridConsulta(const QString& Sentencia, const QString& CampoDevuelto1, const QString& gCnnString,
                       const std::optional<QVariant>& CampoDevuelto2 = std::nullopt,
                       const std::optional<QVariant>& CampoDevuelto3 = std::nullopt);

    // Aggregate lookups (DB_Dll_Agregados.cpp): MAX (field MAYOR) or MIN (field MENOR) of `QueCampo`,
    // queried straight on gCnn under the table's own name (no synonyms, no Oracle translation).
    // The answer goes through ValorCampo and its text (TextoValor: a date reads day-first, so a date
    // column gives its day) is read by its leading number (point decimal, 0 when none): an empty
    // table gives 0, never empty. Empty only when the query brings no row.
    // `Tipo` is accepted and unused. Errors (bad query, closed connection) reach the caller.
    // BuscaMaximo/BuscaMinimo add " WHERE " + trimmed `Condicion` whenever it is passed, even blank
    // (which then fails); BuscaUltimoCodigo adds " WHERE " + `Condicion` only when it is not blank.
    [[nodiscard]] QVariant BuscaMaximo(const QString& QueTabla, const QString& QueCampo,
                                       const std::optional<QVariant>& Tipo = std::nullopt,
                                       const std::optional<QVariant>& Condicion = std::nullopt);
    [[nodiscard]] QVariant BuscaMinimo(const QString& QueTabla, const QString& QueCampo,
                                       const std::optional<QVariant>& Tipo = std::nullopt,
                                       const std::optional<QVariant>& Condicion = std::nullopt);
    [[nodiscard]] QVariant BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, const QVariant& Tipo = 8,
                                             const QString& Condicion = {});

    // Schema helpers (DB_Dll_Esquema.cpp), over gCnn's schema rowsets.
    // Whether a table (or view) of that name exists, ignoring case and surrounding blanks. Errors go
    // to the error reporter under "VerificaCampos" (4 retries the step, 5 goes on, other leaves);
    // after a reported error the answer is false unless a retried step found it.
    [[nodiscard]] bool ExisteTablaDB(const QString& Tabla);
    // Whether `Tabla` has the column, ignoring case and surrounding blanks; the columns rowset is
    // restricted to catalog gDbName and table `Tabla`. Always true when the shared object's
    // gProveedor names ORACLE. Errors as ExisteTablaDB, under "VerificaCampos".
    [[nodiscard]] bool ExisteCampoDB(const QString& Tabla, const QString& Campo);
    // Runs "ALTER TABLE dbo.<Tabla> ADD <Campo> <Tipo>" + " Null " (or " Not Null ") and, when a default
    // is passed, " CONSTRAINT DF_<Tabla>_<Campo> DEFAULT (<value>)" (names trimmed) through
    // EjecutaConsultaSQL, which reports (or
    // silences) a failing statement itself. Other errors go to the reporter under "errAddField".
    void AddField(const QString& Tabla, const QString& Campo, const QString& Tipo, bool PermiteNulos,
                  const std::optional<QVariant>& ValorDefault = std::nullopt);
    // Adds the column with AddField when `Agregar`, the table exists and the column does not; the
    // schema is not asked when `Agregar` is false, nor the columns when the table is missing.
    // Always true.
    bool VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar = true, const QString& Tipo = {},
                    bool PermiteNulos = false, const std::optional<QVariant>& ValorDefault = std::nullopt);

private:
    void EjecutaScriptSQL(QString& SentenciaSQL, int32_t& RecordsAffected);
    // A failure the person is shown is also a line of the error log, under `contexto`: logs `numero`
    // and `descripcion`, then shows `texto` as a message box and returns the answer.
    int avisaFallo(const QString& contexto, int32_t numero, const QString& descripcion, const QString& texto,
                   int estilo, const QString& titulo);

    std::shared_ptr<ado::Connection> cnn_;
    SharedRuntime runtime_;
};
