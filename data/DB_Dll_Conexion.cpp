#include "data/DB_Dll.h"
#include "data/DialogoAcceso.h"
#include "runtime/Dialogos.h"
#include "runtime/FuncionesVB.h"
#include "runtime/PasosAtrapados.h"

namespace {

using ado::RegistroProveedores;
using Motor = RegistroProveedores::Motor;

// The connection string from the object's variables: the Oracle form when the provider names
// Oracle, the usual form otherwise ("Database =" keeps its blank; the embedded database reads that key).
QString construyeCadena(const DB_Dll& db)
{
    if (RegistroProveedores::motor(db.gProveedor) == Motor::Oracle)
        return DB_Dll::CadenaOracle(db.gDbName, db.gUsuario, db.gUserPassWord);
    return QStringLiteral("PROVIDER=") + db.gProveedor + u';' + QStringLiteral("Server=") + db.gServidor + u';'
        + QStringLiteral("Database =") + db.gDbName + u';' + QStringLiteral("UId=") + db.gUsuario + u';'
        + QStringLiteral("Pwd=") + db.gUserPassWord + u';' + db.gExtended;
}

// The login dialog step: fills the dialog from the object, shows it and takes the values back when
// accepted. False (and gOpenFlag false) when cancelled. The platform shown is the engine the
// provider names, so that a dialog shown again after a failure shows the platform the retry will
// use; a platform left as shown keeps the provider as it was (a provider of the suite's own, say).
bool pideParametros(DB_Dll& db)
{
    const Motor mostrado = RegistroProveedores::motor(db.gProveedor);
    DatosAcceso datos{db.gUsuario, db.gUserPassWord, db.gDbName, db.gServidor, mostrado};
    db.gOpenFlag = DialogoAcceso::actual().Pide(datos);
    if (!db.gOpenFlag)
        return false;
    db.gDbName = datos.baseDatos;
    db.gServidor = datos.servidor;
    db.gUsuario = datos.usuario;
    db.gUserPassWord = datos.clave;
    if (datos.motor != mostrado)
        db.gProveedor = RegistroProveedores::nombre(datos.motor);
    return true;
}

// The provider's first error, in four parts separated by carriage returns. Our backends never put
// the password in their descriptions.
QString informeConexion(const ado::Error& e)
{
    return QStringLiteral(" Estado de Sql: ") + e.SQLState + u'\r' + QStringLiteral("Numero de Error: ")
        + QString::number(e.Number) + u'\r' + QStringLiteral("Descripcion: ") + e.Description + u'\r'
        + QStringLiteral("Codigo Nativo: ") + QString::number(e.NativeError) + u'\r';
}

} // namespace

QString DB_Dll::CadenaOracle(const QString& baseDatos, const QString& usuario, const QString& clave)
{
    return QStringLiteral("Provider=") + RegistroProveedores::nombre(Motor::Oracle) + QStringLiteral(";Data Source=")
        + baseDatos + QStringLiteral(";User Id=") + usuario + QStringLiteral(";Password=") + clave + u';';
}

void DB_Dll::OpenServerADODB(bool PideParametrosSQL, int32_t lCursor, const QString& ConnString, bool ValidaAdmin)
{
    const auto manejador = [&](const ErrorVB& error) -> int16_t {
        ado::Errors& errores = gCnn().Errors();
        const QString contexto = QStringLiteral("OpenServerADODB");
        if (errores.Count() == 0) {
            avisaFallo(contexto, error.numero(), error.descripcion(), error.descripcion(), Msg::OkSolo, {});
            return 0;
        }
        const ado::Error primero = errores.Item(0);
        // Where nobody can answer (a console tool), the failure is stated, not asked about.
        const bool pregunta = Dialogos::actual().PuedePreguntar();
        const int respuesta = avisaFallo(
            contexto, primero.Number, primero.Description,
            informeConexion(primero) + (pregunta ? QStringLiteral(" - Desea Intentarlo Nuevamente??? ") : QString()),
            (pregunta ? Msg::SiNo : Msg::OkSolo) + Msg::Critico, QStringLiteral(" Error de Conexion a Base de Datos"));
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

    EjecutaPasos({
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
                                                                  QStringLiteral("Administrador"),
                                                                  QStringLiteral("nombre"), 8, {}, true)
                                                           .toString())
                                 == Moneda::desdeDiezmilesimos(10000);
                     },
                 },
                 manejador);
}

void DB_Dll::OpenLocalADODB(const QString&, const QString&, const QString&) { }
