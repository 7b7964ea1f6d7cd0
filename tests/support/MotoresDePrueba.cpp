#include "support/MotoresDePrueba.h"

#include <QFile>
#include <QTest>

QString ServidorDePrueba()
{
    static const QString cadena = [] {
        QFile archivo(qEnvironmentVariable("AGENDA_SERVIDOR_PRUEBA"));
        if (archivo.fileName().isEmpty() || !archivo.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromUtf8(archivo.readAll()).trimmed();
    }();
    return cadena;
}

void AgregaMotores()
{
    QTest::addColumn<Motor>("motor");
    QTest::newRow("sqlite") << Motor::SQLite;
    QTest::newRow("postgresql") << Motor::PostgreSQL;
}

Motor MotorActual()
{
    QFETCH_GLOBAL(Motor, motor);
    return motor;
}
