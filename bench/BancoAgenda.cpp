#include "BancoAgenda.h"

#include "data/DB_Dll.h"
#include "db/ArchivoBaseDatos.h"
#include "platform/ado/Connection.h"
#include "runtime/Dialogos.h"
#include "runtime/Entorno.h"
#include "startup/ModGlobal.h"

#include <QTime>

#include <cstdio>
#include <cstdlib>

namespace {

BancoAgenda* instancia = nullptr;

// A benchmark that reaches a dialog measures nothing: the run stops with the dialog's text.
class DialogosDeBanco : public Dialogos {
public:
    int MsgBox(const QString& texto, int, const QString& titulo) override
    {
        termina(titulo + QStringLiteral(": ") + texto);
    }
    QString InputBox(const QString& texto, const QString&, const QString&) override { termina(texto); }
    int16_t ReportaError(int32_t numero, const QString& descripcion, const QString& contexto) override
    {
        termina(QStringLiteral("%1 (%2): %3").arg(contexto).arg(numero).arg(descripcion));
    }

private:
    [[noreturn]] static void termina(const QString& texto)
    {
        std::fprintf(stderr, "agenda-bench: diálogo inesperado: %s\n", qPrintable(texto));
        std::exit(1);
    }
};

constexpr int kPrimerId = 1000;

} // namespace

BancoAgenda::BancoAgenda()
    : rutaDemo_(carpeta_.filePath(QStringLiteral("agenda-demo.db"))),
      rutaDias_(carpeta_.filePath(QStringLiteral("agenda-dias.db"))), hoy_(QDate::currentDate())
{
    instancia = this;
}

BancoAgenda::~BancoAgenda()
{
    desconectaPrograma();
    instancia = nullptr;
}

BancoAgenda& BancoAgenda::actual()
{
    return *instancia;
}

void BancoAgenda::prepara()
{
    Entorno::FijaCarpetaPrograma(carpeta_.path());
    Entorno::FijaRutasIni({carpeta_.path()});
    Dialogos::instala(std::make_unique<DialogosDeBanco>());
    ArchivoBaseDatos::Crea(rutaDemo_, true, hoy_);
    ArchivoBaseDatos::Crea(rutaDias_, true, hoy_);
    reservaDias(ArchivoBaseDatos::CadenaConexion(rutaDias_));
}

QString BancoAgenda::lineaDemo() const
{
    return QStringLiteral("@Server=(local);@DbName=%1;@Usuario=admin;@Password=admin;@Proveedor=SQLite;")
        .arg(rutaDemo_);
}

QDate BancoAgenda::diaCon(int franjas) const
{
    return hoy_.addDays(franjas == 56 ? 31 : 30);
}

void BancoAgenda::reservaDias(const QString& cadena)
{
    ado::Connection c;
    c.Open(cadena);
    c.BeginTrans();
    int id = kPrimerId;
    for (const int franjas : {28, 56}) {
        const QDate dia = actual().diaCon(franjas);
        const int minutos = 14 * 60 / franjas;
        c.Execute(QStringLiteral("EXEC KQ_CREARAGENDA '%1', %2")
                      .arg(dia.toString(QStringLiteral("dd/MM/yyyy")))
                      .arg(minutos));
        for (int i = 1; i < franjas; i += 2, ++id) {
            const QString momento = dia.toString(QStringLiteral("dd/MM/yyyy")) + u' '
                + QTime(7, 0).addSecs(60 * minutos * i).toString(QStringLiteral("HH:mm"));
            const int realizada = (id / 2) % 2;
            if (id % 2 == 0) {
                c.Execute(QStringLiteral("INSERT INTO MV_ENTREVISTAS (ID, IdProcesoBusqueda, IdCandidato, Realizada) "
                                         "VALUES (%1, 1, 1, %2)")
                              .arg(id)
                              .arg(realizada));
                c.Execute(
                    QStringLiteral(
                        "UPDATE MV_AGENDA SET IdProcesoBusqueda = 1, IdEntrevista = %1, Mensaje = 'Entrevista %1' "
                        "WHERE FECHA = '%2'")
                        .arg(id)
                        .arg(momento));
            } else {
                c.Execute(QStringLiteral("INSERT INTO MV_EVALUACIONES (ID, IdCandidato, Realizada) VALUES (%1, 1, %2)")
                              .arg(id)
                              .arg(realizada));
                c.Execute(
                    QStringLiteral("UPDATE MV_AGENDA SET IdEntrevista = %1 WHERE FECHA = '%2'").arg(id).arg(momento));
            }
        }
    }
    c.CommitTrans();
}

void BancoAgenda::conectaPrograma(const QString& cadena)
{
    DB_Dll& db = ModGlobal::DB();
    auto conexion = std::make_shared<ado::Connection>();
    conexion->Open(cadena);
    db.setGCnn(conexion);
    db.gEsAdmin = true;
    db.gOpenFlag = true;
}

void BancoAgenda::desconectaPrograma()
{
    DB_Dll& db = ModGlobal::DB();
    db.setGCnn(nullptr);
    db.gOpenFlag = false;
    db.gEsAdmin = false;
}
