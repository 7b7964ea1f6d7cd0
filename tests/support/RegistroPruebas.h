#pragma once

#include <QTest>

// The test classes of a folder are built into one executable. Each class registers itself here under
// the name of its source file, and the executable runs the class named on its command line, so CTest
// still lists every class as a test of its own. This header is compiled ahead into every test
// executable: a test file keeps the usual QTEST_MAIN or QTEST_GUILESS_MAIN line at its end.
class RegistroPruebas {
public:
    using Ejecutora = int (*)(int argc, char* argv[]);

    // Registers `ejecutora` under the name of `archivo` without its folder and extension.
    static bool registra(const char* archivo, Ejecutora ejecutora);
    // Runs the class named by argv[1], passing it the program name and the arguments after the class
    // name, with HOME and the XDG folders (config, data, state, cache, runtime) in a temporary folder
    // of its own that is removed afterwards. Lists the registered classes on standard error and returns 2 when the name is missing or
    // unknown.
    static int ejecuta(int argc, char* argv[]);
};

// The same start as Qt's own macros, registered instead of becoming the executable's main().
#define AGENDA_REGISTRA_PRUEBA(TestObject, ...)                                                                        \
    namespace {                                                                                                        \
    int ejecutaPrueba(int argc, char* argv[])                                                                          \
    {                                                                                                                  \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                                             \
        __VA_ARGS__                                                                                                    \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }                                                                                                                  \
    [[maybe_unused]] const bool pruebaRegistrada = RegistroPruebas::registra(__FILE__, ejecutaPrueba);                 \
    }

#undef QTEST_MAIN
#undef QTEST_GUILESS_MAIN
#define QTEST_MAIN(TestObject) AGENDA_REGISTRA_PRUEBA(TestObject, QTEST_MAIN_SETUP())
#define QTEST_GUILESS_MAIN(TestObject) AGENDA_REGISTRA_PRUEBA(TestObject, QTEST_QAPP_SETUP(QCoreApplication))
