#pragma once

#include "runtime/Moneda.h"

#include <QString>
#include <QVariant>

#include <cstdint>

class DB_Dll;
class Lib_ClsCons3;
class SharedRuntime;
class QWidget;

// The shared start-up module: the program-wide objects, the start-up parameters and connection, the
// configuration store and the suite's settings. Its variables are the module's public variables.
class ModGlobal {
public:
    // Program-wide objects, each created on first use and kept until the program ends.
    // DB() is DB_Dll::Compartido(), the one data-access object of the program.
    [[nodiscard]] static DB_Dll& DB();
    [[nodiscard]] static Lib_ClsCons3& ClsCons3();
    [[nodiscard]] static SharedRuntime& Runtime();

    // Configuration store (ModGlobal_Configuracion.cpp).
    // Reads one key of the configuration table: its value, and its auxiliary value in `ValorAux`.
    // A key with no row gives " " (one blank) and ValorAux ""; a Null or empty value gives ""; values
    // are written as TextoValor writes them (a date day-first). The keys
    // "[FECHA DESDE]" and "[FECHA HASTA]" (any case, any surrounding blanks) send the whole statement
    // upper-cased. A quote inside the key is doubled, so it is searched for literally. Errors go to
    // the error reporter under "Cfg": 5 continues with the next step, any other answer gives "" and
    // leaves ValorAux as it was.
    static QString Cfg(const QString& Clave, QString& ValorAux);
    // Creates or overwrites one key: the row is looked up with the key as given (quotes doubled) and
    // stored with the key trimmed and upper-cased, the value trimmed; an empty ValorAux keeps the
    // stored auxiliary value. Uses gTablaConfiguracion unchanged (empty: the statement fails and is
    // reported). Errors go to the error reporter under "GrabaDfg": 4 repeats, 5 continues, other leaves.
    static void GrabaDfg(const QString& Clave, const QVariant& Valor, const QString& ValorAux, bool PoliticaNegocio,
                         const QString& Grupo);

    // Start-up (ModGlobal_Conexion.cpp). Reads the parameter line (`Parametros`, or the program's
    // arguments joined by blanks when it is ""; with `UsaIni` and a blank line, the line built from the
    // station's database section of CN000pr.INI), fills DB(), opens the connection (the login dialog
    // when the line names no server) and prepares the catalogue and the settings. Besides the suite's
    // keys, "@Proveedor" (looked for after "@Caja") sets DB().gProveedor when its value is not blank.
    // A server starting with "#" means Oracle and fills an empty `CadenaConexion` with the Oracle
    // string. When no connection results, every top-level window is closed and FinDePrograma{0} is
    // thrown. Error 5 continues with the next step; any other error ends it quietly. When DB() is
    // already open the line is not read again: only the module state, the catalogue and the settings
    // are prepared again.
    static void IniciarConexion(bool& UsaIni, QString& Parametros, QString& CadenaConexion);
    // The host part of a server text: after the first "/", before the first ":" ("tcp/10.1.1.5:1433"
    // gives "10.1.1.5", ":x" gives "").
    [[nodiscard]] static QString ExtraerServidor(const QString& Servidor);

    // Suite settings (ModGlobal_Sistema.cpp): the 34 reads of the configuration table and the user's
    // business unit, each variable assigned as it is read. Traps nothing: an error (a PERIODO beyond
    // 16 bits raises 6) abandons the rest.
    static void CargarConfiguracion(const QString& RutaAplicacion);
    // Window icon and toolbar style (ModGlobal_Icono.cpp). The icon named by "IconoDelSistema" of the
    // "Iconos" section of CN000pr.INI is looked for among the program's resources as
    // ":/iconos/<NOMBRE>.png" (name upper-cased; this build carries the "AGENDA" icon); failing that,
    // "pelmar.ico" of the current folder is loaded. A window whose class is not FRMMDI (any case) is
    // then fitted to the screen and its controls UtilZel1, TBarRep1 and Util0011 (by object name) get
    // the property "StyleBar" = gFlatToolbars. Every failing step is skipped; a null window does nothing.
    static void CargarIconoSistema(QWidget* Ventana);
    // Writes the eight standard records of the lookup catalogue at ClsCons3().gRutaMascaraConsultas
    // (ModGlobal_Consultas.cpp). Each record goes after the last complete record of what the file
    // held; the result is written to a temporary file and renamed into place, so an interrupted run
    // never leaves a partial catalogue. Raises ErrorVB 75 when the file cannot be written.
    static void CargarConsultas();

    // Configuration store.
    inline static QString gTablaConfiguracion;

    // Start-up parameters.
    inline static QString gSeccionEstacion;
    inline static QVariant gFlatToolbars; // a double once IniciarConexion ran
    inline static QString gParametroAdicional;
    inline static QString gMenu;
    inline static QString gUsuarioLogeado;
    inline static QString gCaja;
    inline static QString gCadenaDsn;
    inline static int32_t gColorFondo = 0;
    inline static int32_t gColorLetra = 0;

    // Suite settings, in the order CargarConfiguracion reads them.
    inline static bool gMostrarStockEnConsultas = false;
    inline static QString gTituloClientes;
    inline static QString gTituloProveedores;
    inline static QString gRutaDocTareas;
    inline static bool gExigeClaveConsultaLike = false;
    inline static bool gUsaConsultaLike = false;
    inline static QString gCantidadDecimales;
    inline static bool gUsaMultilesMonedas = false;
    inline static bool gUsaFacturaProforma = false;
    inline static bool gUsaCCosto = false;
    inline static QString gUnidadNegocio;
    inline static QString gUnidadMedidaM3;
    inline static QString gUnidadMedidaBL;
    inline static QString gUnidadMedidaKG;
    inline static int16_t gPeriodo = 0;
    inline static bool gValidaCodigoBarra = false;
    inline static bool gConfiguracionCargada = false;
    inline static bool gModuloOrdenDeTrabajo = false;
    inline static bool gVModificaCPrecio = false;
    inline static bool gCModificaCPrecio = false;
    inline static bool gMaderera = false;
    inline static QString gMadTiras;
    inline static QString gMadP2;
    inline static QString gMadML;
    inline static QString gMadM2;
    inline static QString gMadHojas;
    inline static QString gMadMLP2;
    inline static QString gMadM2P2;
    inline static QString gMadMLM2;
    inline static QString gCuentaCtroDist;
    inline static Moneda gMaxDto;
};
