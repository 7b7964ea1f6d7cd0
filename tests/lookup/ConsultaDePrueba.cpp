#include "ConsultaDePrueba.h"

#include "data/DB_Dll.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "runtime/Entorno.h"
#include "runtime/Reloj.h"

#include <QTest>

ConsultaDePrueba::ConsultaDePrueba() : conexion_(std::make_unique<ado::Connection>())
{
    Reloj::fija(QDateTime(QDate(2025, 3, 5), QTime(10, 15)));
    Entorno::FijaCarpetaPrograma(base_.carpeta());
    // Tables made before the program's connection opens are in the schema it reads at opening.
    conexion_->Open(base_.cadenaConexion());
    ejecuta(QStringLiteral("CREATE TABLE CLIENTES (CODIGO VARCHAR(10), NOMBRE VARCHAR(40), CIUDAD VARCHAR(255))"));
    ejecuta(QStringLiteral("CREATE TABLE ANCHOS (CORTO VARCHAR(10), LARGO VARCHAR(255))"));
    DB_Dll& db = DB_Dll::Compartido();
    auto conexion = std::make_shared<ado::Connection>();
    conexion->Open(base_.cadenaConexion());
    conexion->setTraza([this](const QString& texto) { traza_ << texto; });
    db.setGCnn(conexion);
    db.gEsAdmin = true;
    db.gOpenFlag = true;
    db.gUsuario = QStringLiteral("ana");
}

ConsultaDePrueba::~ConsultaDePrueba()
{
    dialogo_.reset();
    DB_Dll& db = DB_Dll::Compartido();
    db.gCnn().setTraza({});
    db.gCnn().Close();
    db.setGCnn(nullptr);
    db.gUsuario.clear();
    Reloj::libera();
    Entorno::FijaCarpetaPrograma({});
}

Lib_FrmCons3& ConsultaDePrueba::nuevoDialogo()
{
    dialogo_.reset();
    dialogo_ = std::make_unique<Lib_FrmCons3>();
    return *dialogo_;
}

void ConsultaDePrueba::muestra()
{
    dialogo_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialogo_.get()));
    dialogo_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialogo_.get()));
}

void ConsultaDePrueba::cierra()
{
    dialogo_.reset();
}

void ConsultaDePrueba::ejecuta(const QString& sentencia)
{
    conexion_->Execute(sentencia);
}

QVariant ConsultaDePrueba::valor(const QString& consulta)
{
    ado::Recordset rs;
    rs.Open(consulta, conexion_.get());
    return rs.Bof() ? QVariant() : rs.Fields().Item(0).Value();
}

void ConsultaDePrueba::clientes(const QStringList& filas)
{
    for (const QString& fila : filas) {
        QStringList valores;
        for (QString campo : fila.split(u'|'))
            valores << (campo == u"NULL" ? campo : u'\'' + campo.replace(u'\'', QStringLiteral("''")) + u'\'');
        ejecuta(QStringLiteral("INSERT INTO CLIENTES (CODIGO, NOMBRE, CIUDAD) VALUES (%1)").arg(valores.join(u',')));
    }
}
