#include "AgendaDePrueba.h"

#include "agenda/FrmMVAgenda.h"
#include "data/DB_Dll.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/MSFlexGrid.h"
#include "platform/ui/MonthView.h"
#include "runtime/Entorno.h"
#include "runtime/Reloj.h"
#include "startup/ModGlobal.h"

#include <QTest>

AgendaDePrueba::AgendaDePrueba(bool conDemo, const QDate& hoy, Motor motor)
    : base_(conDemo, hoy, motor), hoy_(hoy), conexion_(std::make_unique<ado::Connection>())
{
    Reloj::fija(QDateTime(hoy, QTime(10, 15)));
    Entorno::FijaCarpetaPrograma(base_.carpeta());
    Entorno::FijaRutasIni({base_.carpeta()});
    DB_Dll& db = ModGlobal::DB();
    auto conexion = std::make_shared<ado::Connection>();
    conexion->Open(base_.cadenaConexion());
    conexion->setTraza([this](const QString& texto) { traza_ << texto; });
    db.setGCnn(conexion);
    db.gEsAdmin = true;
    db.gOpenFlag = true;
    conexion_->Open(base_.cadenaConexion());
    ventana_ = std::make_unique<FrmMVAgenda>();
}

AgendaDePrueba::~AgendaDePrueba()
{
    ventana_.reset();
    ModGlobal::DB().gCnn().setTraza({});
    ModGlobal::DB().gCnn().Close();
    ModGlobal::DB().setGCnn(nullptr);
    Reloj::libera();
    Entorno::FijaCarpetaPrograma({});
    Entorno::FijaRutasIni({});
}

void AgendaDePrueba::ejecuta(const QString& sentencia)
{
    conexion_->Execute(sentencia);
}

QVariant AgendaDePrueba::valor(const QString& consulta)
{
    ado::Recordset rs;
    rs.Open(consulta, conexion_.get());
    return rs.Bof() ? QVariant() : rs.Fields().Item(0).Value();
}

void AgendaDePrueba::configura(const QString& clave, const QVariant& valor)
{
    ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE Clave = '%1'").arg(clave));
    const QString texto = valor.isNull() ? QStringLiteral("NULL") : QStringLiteral("'%1'").arg(valor.toString());
    ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('DATOS', '%1', %2)")
                .arg(clave, texto));
}

void AgendaDePrueba::franja(const QString& hora, int idProceso, int idEntrevista, const QVariant& mensaje)
{
    const auto numero = [](int id) { return id ? QString::number(id) : QStringLiteral("NULL"); };
    QString nota = mensaje.toString();
    nota = mensaje.isNull() ? QStringLiteral("NULL")
                            : QStringLiteral("'%1'").arg(nota.replace(QLatin1Char('\''), QLatin1String("''")));
    ejecuta(
        QStringLiteral(
            "INSERT INTO MV_AGENDA (FECHA, IdProcesoBusqueda, IdEntrevista, Mensaje) VALUES ('%1 %2:00', %3, %4, %5)")
            .arg(hoy_.toString(Qt::ISODate), hora, numero(idProceso), numero(idEntrevista), nota));
}

void AgendaDePrueba::muestra()
{
    ventana_->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana_.get()));
    ventana_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana_.get()));
}

void AgendaDePrueba::muestraDia(const QDate& dia)
{
    ventana_->MonthView1().setValue(dia);
    muestra();
    ventana_->CargarDia();
}

void AgendaDePrueba::dobleClic(int fila)
{
    MSFlexGrid& grid = ventana_->MSFGAgenda();
    const QPoint centro = grid.visualRect(grid.model()->index(fila, 1)).center();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centro);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, centro);
}
