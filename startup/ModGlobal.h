#pragma once

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
    [[nodiscard]] static DB_Dll& DB();
    [[nodiscard]] static Lib_ClsCons3& ClsCons3();
    [[nodiscard]] static SharedRuntime& Runtime();

    // Configuration store: reads one key (" " for a key with no row, "" after a failed read);
    // `ValorAux` receives the auxiliary value.
    static QString Cfg(const QString& Clave, QString& ValorAux);
    // Creates or overwrites one key.
    static void GrabaDfg(const QString& Clave, const QVariant& Valor, const QString& ValorAux, bool PoliticaNegocio,
                         const QString& Grupo);

    // Start-up: reads the parameter line, opens the connection (ends the program by throwing
    // FinDePrograma when none results) and loads the configuration.
    static void IniciarConexion(bool& UsaIni, QString& Parametros, QString& CadenaConexion);
    [[nodiscard]] static QString ExtraerServidor(const QString& Servidor);
    static void CargarConfiguracion(const QString& RutaAplicacion);
    static void CargarIconoSistema(QWidget* Ventana);
    static void CargarConsultas();

    inline static QString gTablaConfiguracion;
};
