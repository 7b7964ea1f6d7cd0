#pragma once

#include <QTest>

// The test classes of a folder are built into one executable. Each class registers itself here under
// the name of its source file, and the executable runs the class named on its command line, so CTest
// still lists every class as a test of its own. This header is compiled ahead into every test
// executable: a test file ends with AGENDA_PRUEBA(Clase), or AGENDA_PRUEBA_SIN_VENTANAS(Clase) when the
// class needs no windows.
class RegistroPruebas {
public:
    using Ejecutora = int (*)(int argc, char* argv[]);

    // Registers `ejecutora` under the name of `archivo` without its folder and extension.
    static bool registra(const char* archivo, Ejecutora ejecutora);
    // Runs the class named by argv[1], passing it the program name and the arguments after the class
    // name, with HOME and the XDG folders (config, data, state, cache, runtime) in a temporary folder
    // of its own that is removed afterwards. Lists the registered classes on standard error and returns
    // 2 when the name is missing or unknown.
    static int ejecuta(int argc, char* argv[]);
};

// Registers `Clase` under its file's name: the runner makes the application object `Aplicacion` (at
// 96 dots per inch, so that sizes in pixels do not depend on the screen) and runs the class's tests.
#define AGENDA_REGISTRA_PRUEBA(Clase, Aplicacion)                                                                      \
    namespace {                                                                                                        \
    int ejecutaPrueba(int argc, char* argv[])                                                                          \
    {                                                                                                                  \
        Aplicacion aplicacion(argc, argv);                                                                             \
        aplicacion.setAttribute(Qt::AA_Use96Dpi, true);                                                                \
        Clase prueba;                                                                                                  \
        return QTest::qExec(&prueba, argc, argv);                                                                      \
    }                                                                                                                  \
    [[maybe_unused]] const bool pruebaRegistrada = RegistroPruebas::registra(__FILE__, ejecutaPrueba);                 \
    }

// A test class that drives windows.
#define AGENDA_PRUEBA(Clase) AGENDA_REGISTRA_PRUEBA(Clase, QApplication)
// A test class that needs no windows: it runs on a QCoreApplication.
#define AGENDA_PRUEBA_SIN_VENTANAS(Clase) AGENDA_REGISTRA_PRUEBA(Clase, QCoreApplication)
