#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

// The command-line tool agenda-consulta: opens one lookup as a window of the suite would, through
// the shared Lib_ClsCons3, and prints what the caller gets.
//   agenda-consulta CONEXION TABLA_O_SELECT [--arbol] [--checks] [--campo CAMPO] [--clave TEXTO]
//                   [--where CONDICION] [--cantidades] [--valores-default TEXTO]
// CONEXION connects as agenda-sql does (a connection string, or the program's "@key=value;" line),
// always on the program's shared data-access object, which the lookups use. With a connection
// string the catalogue is prepared as start-up prepares it: "consultas.kqw" in the program's folder
// (the user's data folder when that cannot be written), written with the standard entries when missing.
// After the dialog closes: ValorDevuelto on the first line, then each of Valores on a line of its
// own (with --cantidades, the quantity of the same position beside it, after a tab; blank when
// there is none). Exit status 0 when a row was accepted, 1 when the person cancelled (or the lookup
// was not configured and showed nothing), 2 for a bad command line or a connection that could not
// be opened. Connection problems go to standard error; the lookup's own messages are shown on
// screen, as the suite shows them.
class ConsolaConsulta {
public:
    static constexpr int kSalidaAceptada = 0;
    static constexpr int kSalidaCancelada = 1;
    static constexpr int kSalidaUso = 2;
    static const char* const kUso;

    struct Opciones {
        QString conexion;
        QString pedido;
        bool arbol = false;
        bool checks = false;
        bool cantidades = false;
        QString campo;
        QString clave;
        QString where;
        QString valoresDefault;
    };

    // The options of the command line (without the program's name); nullopt, with the usage
    // written to `errores`, for anything else.
    [[nodiscard]] static std::optional<Opciones> LeeOpciones(const QStringList& argumentos, QTextStream& errores);

    // Connects, shows the lookup and prints its result; needs a QApplication.
    static int Ejecuta(const Opciones& opciones, QTextStream& salida, QTextStream& errores);
};
