#pragma once

#include <QMetaType>
#include <QString>

// The backends the shared tests run on: the embedded database always, the PostgreSQL server when the
// test cluster runs (CTest starts one for the tests that ask for it; see tests/postgresql).
enum class Motor { SQLite, PostgreSQL };
Q_DECLARE_METATYPE(Motor)

// The connection string of the test server without a database ("" when none runs).
[[nodiscard]] QString ServidorDePrueba();

// Adds the global test rows "sqlite" and "postgresql" (column "motor"); call from initTestCase_data().
void AgregaMotores();

// The motor of the current global row.
[[nodiscard]] Motor MotorActual();

// Skips the current test when its motor is not available here.
#define REQUIERE_MOTOR()                                                                                               \
    do {                                                                                                               \
        if (MotorActual() == Motor::PostgreSQL && ServidorDePrueba().isEmpty())                                        \
            QSKIP("No hay servidor PostgreSQL de prueba");                                                             \
    } while (false)
