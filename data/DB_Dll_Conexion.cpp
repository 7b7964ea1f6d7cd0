#include "data/DB_Dll.h"

#include "data/frmAcceso.h"
#include "runtime/Dialogos.h"
#include "runtime/FuncionesVB.h"
#include "runtime/PasosAtrapados.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const QString kProveedorOracle = QStringLiteral("OraOLEDB.Oracle.1");
const QString kProveedorSqlite = QStringLiteral("SQLite");
const QString kProveedorPostgres = QStringLiteral("PostgreSQL");

// The connection string from the object's variables: the Oracle form when the provider names
// Oracle, the usual form otherwise ("Database =" keeps its blank; the embedded database reads that key).
QString construyeCadena(const DB_Dll& db)
{
    if (db.gProveedor.contains(QLatin1String("ORACLE"), Qt::CaseInsensitive))
        return QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=") + db.gDbName + QStringLiteral(";User Id=")
               + db.gUsuario + QStringLiteral(";Password=") + db.gUserPassWord + u';';
    return QStringLiteral("PROVIDER=") + db.gProveedor + u';' + QStringLiteral("Server=") + db.gServidor + u';'
           + QStringLiteral("Database =") + db.gDbName + u';' + QStringLiteral("UId=") + db.gUsuario + u';'
           + QStringLiteral("Pwd=") + db.gUserPassWord + u';' + db.gExtended;
}

// The login dialog step: fills the dialog from the object, shows it and takes the values back when
// accepted. False (and gOpenFlag false) when cancelled.
bool pideParametros(DB_Dll& db)
{
    frmAcceso dialogo;
    dialogo.TxtDbName->setText(db.gDbName);
    dialogo.TxtServidor->setText(db.gServidor);
    dialogo.TxtUserId->setText(db.gUsuario);
    dialogo.TxtUserPassword->setText(db.gUserPassWord);
    dialogo.CboPlataformaDB->setCurrentIndex(frmAcceso::SqlServer);
    dialogo.exec();
    db.gOpenFlag = dialogo.Aceptar;
    if (!dialogo.Aceptar)
        return false;
    db.gDbName = dialogo.TxtDbName->text();
    db.gServidor = dialogo.TxtServidor->text();
    db.gUsuario = dialogo.TxtUserId->text();
    db.gUserPassWord = dialogo.TxtUserPassword->text();
    switch (dialogo.CboPlataformaDB->currentIndex()) {
    case frmAcceso::Oracle: db.gProveedor = kProveedorOracle; break;
    case frmAcceso::SQLiteLocal: db.gProveedor = kProveedorSqlite; break;
    case frmAcceso::PostgreSQL: db.gProveedor = kProveedorPostgres; break;
    default: break; // "SQL Server" keeps the provider chosen before
    }
    return true;
}

// The provider's first error, in five parts separated by carriage returns. Our backends never put
// the password in their descriptions.
QString mensajeConexion(const ado::Error& e)
{
    return QStringLiteral(" Estado de Sql: ") + e.SQLState + u'\r' + QStringLiteral("Numero de Error: ")
           + QString::number(e.Number) + u'\r' + QStringLiteral("Descripcion: ") + e.Description + u'\r'
           + QStringLiteral("Codigo Nativo: ") + QString::number(e.NativeError) + u'\r'
           + QStringLiteral(" - Desea Intentarlo Nuevamente??? ");
}

} // namespace

void DB_Dll::OpenServerADODB(bool PideParametrosSQL, int32_t lCursor, const QString& ConnString, bool ValidaAdmin)
{
    const auto manejador = [&](const ErrorVB& error) -> int16_t {
        ado::Errors& errores = gCnn().Errors();
        if (errores.Count() == 0) {
            runtime_.AntesDeMensaje(nullptr);
            Dialogos::actual().MsgBox(error.descripcion(), Msg::OkSolo, {});
            runtime_.DespuesDeMensaje(nullptr);
            return 0;
        }
        runtime_.AntesDeMensaje(nullptr);
        const int respuesta = Dialogos::actual().MsgBox(mensajeConexion(errores.Item(0)), Msg::SiNo + Msg::Critico,
                                                        QStringLiteral(" Error de Conexion a Base de Datos"));
        runtime_.DespuesDeMensaje(nullptr);
        if (respuesta != Msg::Si) {
            gOpenFlag = false;
            return 0;
        }
        errores.Clear();
        if (!pideParametros(*this))
            return 0;
        gConnString = construyeCadena(*this);
        return AccionError::Repetir;
    };

    EjecutaPasos(
        {
            [&] { gOpenFlag = true; },
            [&] {
                if (gProveedor.isEmpty())
                    gProveedor = pSQLOLEDB();
            },
            [&] { gConnString = FuncionesVB::EnBlanco(ConnString) ? construyeCadena(*this) : ConnString; },
            [&] {
                if (!PideParametrosSQL)
                    return;
                if (!pideParametros(*this))
                    SalDelProcedimiento();
                gConnString = construyeCadena(*this);
            },
            [&] { gCnn().setCursorLocation(lCursor); },
            [&] { gCnn().Open(gConnString, {}, {}, -1); },
            [&] {
                gEsAdmin = !ValidaAdmin
                           || runtime_.ValorNumerico(DatosTabla(QStringLiteral("ta_usuarios"), gUsuario,
                                                                QStringLiteral("Administrador"), QStringLiteral("nombre"),
                                                                8, {}, true)
                                                         .toString())
                                  == Moneda::desdeDiezmilesimos(10000);
            },
        },
        manejador);
}

void DB_Dll::OpenLocalADODB(const QString&, const QString&, const QString&) {}
