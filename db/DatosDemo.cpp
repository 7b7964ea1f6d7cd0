#include "db/DatosDemo.h"

#include "db/ConfiguracionInicial.h"
#include "platform/ado/Connection.h"

#include <QStringList>

namespace {

QString dia(const QDate& fecha)
{
    return fecha.toString(QStringLiteral("dd/MM/yyyy"));
}

struct Reserva {
    int dias; // days after today
    const char* hora;
    int proceso; // 0: an evaluation
    int id;
};

struct Nota {
    int dias;
    const char* hora;
    const char* texto;
};

// Interviews 1-6 and evaluations 1-4; the odd ones are still pending.
constexpr Reserva kReservas[] = {
    {0, "09:30", 1, 1}, {0, "10:00", 1, 2}, {0, "11:00", 0, 1}, {0, "12:00", 0, 2}, {0, "18:30", 2, 3},
    {1, "09:00", 2, 4}, {1, "13:30", 0, 3}, {2, "10:30", 3, 5}, {3, "16:00", 3, 6}, {4, "11:30", 0, 4},
};

constexpr Nota kNotas[] = {
    {0, "08:00", "Llamar a recepción por las visitas"},
    {0, "15:30", "Reunión de equipo (sala 2)"},
    {0, "16:30", "  Revisar CV de O'Brien  "},
    {1, "12:00", "Almuerzo con el cliente de Logística Sur"},
    {2, "09:00", "05/03/2025"},
};

} // namespace

void DatosDemo::Carga(ado::Connection& c, const QDate& hoy)
{
    c.BeginTrans();
    const QStringList sentencias{
        "INSERT INTO ta_usuarios (nombre, Administrador, UNegocio) VALUES ('admin', 1, '1')",
        "INSERT INTO ta_usuarios (nombre, Administrador, UNegocio) VALUES ('ana', 0, '2')",
        "INSERT INTO MV_PROCESOSBUSQUEDA (ID, Puesto, Cliente) VALUES (1, 'Analista contable', 'Distribuidora Norte')",
        "INSERT INTO MV_PROCESOSBUSQUEDA (ID, Puesto, Cliente) VALUES (2, 'Jefe de almacén', 'Logística Sur')",
        "INSERT INTO MV_PROCESOSBUSQUEDA (ID, Puesto, Cliente) VALUES (3, 'Programador', 'Servicios Andinos')",
        "INSERT INTO MA_CANDIDATOS (ID, Nombre) VALUES (1, 'José Pérez')",
        "INSERT INTO MA_CANDIDATOS (ID, Nombre) VALUES (2, 'María Gómez')",
        "INSERT INTO MA_CANDIDATOS (ID, Nombre) VALUES (3, 'Lucía Fernández')",
        "INSERT INTO MA_CANDIDATOS (ID, Nombre) VALUES (4, 'Andrés Núñez')",
        "INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('1.1.01', 'Caja')",
    };
    for (const QString& s : sentencias)
        c.Execute(s);
    ConfiguracionInicial::Carga(c);

    for (int d = 0; d <= 4; ++d)
        c.Execute(QStringLiteral("EXEC KQ_CREARAGENDA '%1', 30").arg(dia(hoy.addDays(d))));

    for (const auto& r : kReservas) {
        const QString momento = dia(hoy.addDays(r.dias)) + u' ' + QString::fromLatin1(r.hora);
        const int candidato = 1 + r.id % 4;
        const int realizada = r.id % 2 == 0 ? 1 : 0;
        if (r.proceso > 0) {
            c.Execute(
                QStringLiteral(
                    "INSERT INTO MV_ENTREVISTAS (ID, IdProcesoBusqueda, IdCandidato, FECHAHORAENTREVISTA, Realizada) "
                    "VALUES (%1, %2, %3, '%4', %5)")
                    .arg(r.id)
                    .arg(r.proceso)
                    .arg(candidato)
                    .arg(momento)
                    .arg(realizada));
            c.Execute(
                QStringLiteral("UPDATE MV_AGENDA SET IdProcesoBusqueda = %1, IdEntrevista = %2 WHERE FECHA = '%3'")
                    .arg(r.proceso)
                    .arg(r.id)
                    .arg(momento));
        } else {
            c.Execute(QStringLiteral("INSERT INTO MV_EVALUACIONES (ID, IdCandidato, Tipo, FECHAHORA, Realizada) "
                                     "VALUES (%1, %2, 'Psicotécnica', '%3', %4)")
                          .arg(r.id)
                          .arg(candidato)
                          .arg(momento)
                          .arg(realizada));
            c.Execute(
                QStringLiteral("UPDATE MV_AGENDA SET IdEntrevista = %1 WHERE FECHA = '%2'").arg(r.id).arg(momento));
        }
    }
    for (const auto& n : kNotas) {
        const QString momento = dia(hoy.addDays(n.dias)) + u' ' + QString::fromLatin1(n.hora);
        const QString texto = QString::fromUtf8(n.texto).replace(u'\'', QLatin1String("''"));
        c.Execute(QStringLiteral("UPDATE MV_AGENDA SET Mensaje = '%1' WHERE FECHA = '%2'").arg(texto, momento));
    }
    c.CommitTrans();
}
