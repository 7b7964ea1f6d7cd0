#include "data/DB_Dll.h"
#include "runtime/Dialogos.h"
#include "runtime/FuncionesVB.h"
#include "runtime/LecturaNumeros.h"
#include "runtime/PasosAtrapados.h"
#include "runtime/TextoValor.h"

#include <QLocale>

namespace {

enum class Clase { Texto, Fecha, Numero, Otro };

Clase claseDe(const QVariant& tipoDato)
{
    bool esNumero = false;
    const double codigo = tipoDato.toDouble(&esNumero);
    if (!esNumero || codigo != static_cast<int>(codigo))
        return Clase::Otro;
    switch (static_cast<int>(codigo)) {
    case ado::adBSTR:
        return Clase::Texto;
    case ado::adDate:
        return Clase::Fecha;
    case ado::adInteger:
    case ado::adDouble:
    case ado::adSingle:
        return Clase::Numero;
    default:
        return Clase::Otro;
    }
}

// A quote inside a searched text must not end the SQL literal it is placed in.
QString literal(const QString& texto)
{
    return QString(texto).replace(u'\'', QLatin1String("''"));
}

// The number at the start of the value, written for SQL: with a point as decimal separator, as SQL
// reads it. (Written with the regional comma, 3.5 would become "3,5" and break the statement.)
QString numero(const QString& valor)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    return c.toString(LecturaNumeros::NumeroInicial(valor), 'g', 15);
}

// The field test shared by ExisteEnTabla and ExisteEnTablaST for the kinds other than text.
QString pruebaNoTexto(Clase clase, const QString& campo, const QString& valor)
{
    switch (clase) {
    case Clase::Fecha:
        return QStringLiteral(" WHERE ") + campo + QStringLiteral(" = ") + FuncionesVB::Trim(valor) + u' ';
    case Clase::Numero:
        return QStringLiteral(" WHERE ") + campo + QStringLiteral(" = ") + numero(valor);
    default:
        return QStringLiteral(" WHERE ") + campo + QStringLiteral(" = ") + valor;
    }
}

// A caller's condition replaces the field test; " WHERE " is added unless it already holds one.
QString conCondicion(const QString& cabeza, const QString& condicion)
{
    return cabeza
        + (condicion.contains(QLatin1String(" WHERE "), Qt::CaseInsensitive) ? QStringLiteral(" ")
                                                                             : QStringLiteral(" WHERE "))
        + condicion;
}

// The Abort/Retry/Ignore question of the three lookups: 4 retries, 5 ignores, Abort leaves.
int16_t preguntaOperador(const SharedRuntime& rt, const ErrorVB& error)
{
    rt.AntesDeMensaje(nullptr);
    const int respuesta = Dialogos::actual().MsgBox(error.descripcion(), Msg::AbortarReintentarIgnorar + Msg::Critico,
                                                    QStringLiteral("Aviso al Operador"));
    rt.DespuesDeMensaje(nullptr);
    if (respuesta == Msg::Reintentar)
        return AccionError::Repetir;
    if (respuesta == Msg::Ignorar)
        return AccionError::Continuar;
    return 0;
}

} // namespace

QVariant DB_Dll::DatosTabla(const QString& Tabla, const QString& ValorBuscado, const QString& CampoDevuelto,
                            const QString& Campo, const QVariant& TipoDato, const QString& Condicion, bool UsaTrim)
{
    QVariant resultado;
    QString sql;
    ado::Recordset rs;
    EjecutaPasos({
                     [&] {
                         sql = QStringLiteral("SELECT TOP 1 * FROM ") + Tabla;
                         switch (const Clase clase = claseDe(TipoDato)) {
                         case Clase::Texto:
                             sql += UsaTrim ? QStringLiteral(" WHERE LTRIM(RTRIM(") + Campo + QStringLiteral(")) ='")
                                            : QStringLiteral(" WHERE ") + Campo + QStringLiteral(" ='");
                             sql += literal(FuncionesVB::Trim(ValorBuscado)) + QStringLiteral("' ");
                             break;
                         case Clase::Fecha:
                             sql += QStringLiteral(" WHERE ") + Campo + QStringLiteral(" = #")
                                 + FuncionesVB::Trim(ValorBuscado) + QStringLiteral("# ");
                             break;
                         default:
                             sql += pruebaNoTexto(clase, Campo, ValorBuscado);
                             break;
                         }
                         sql += FuncionesVB::EnBlanco(Condicion) ? Condicion : QStringLiteral(" AND ") + Condicion;
                     },
                     [&] { AbrirRecordset(sql, &rs, &gCnn(), ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true); },
                     [&] {
                         resultado = rs.Bof()
                             ? QVariant(QString())
                             : QVariant(TextoValor::De(runtime_.ValorCampo(rs.Fields().Item(CampoDevuelto).Value())));
                     },
                     [&] {
                         if (rs.State() != ado::adStateClosed)
                             rs.Close();
                     },
                 },
                 [this](const ErrorVB& e) { return preguntaOperador(runtime_, e); });
    return resultado;
}

bool DB_Dll::ExisteEnTabla(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                           ado::Recordset* Lrcs, const QVariant& TipoDato, const QString& Condicion)
{
    bool existe = false;
    QString sql;
    ado::Recordset propio;
    EjecutaPasos(
        {
            [&] {
                const Clase clase = claseDe(TipoDato);
                if (!Condicion.isEmpty())
                    sql = conCondicion(QStringLiteral("SELECT TOP 1 * FROM ") + Tabla, Condicion);
                else if (clase == Clase::Texto)
                    sql = QStringLiteral("SELECT TOP 1  * FROM ") + Tabla + QStringLiteral(" WHERE LTRIM(RTRIM(")
                        + Campo + QStringLiteral(")) ='") + literal(FuncionesVB::Trim(ValorBuscado)) + u'\'';
                else
                    sql = QStringLiteral("SELECT TOP 1 * FROM ") + Tabla + pruebaNoTexto(clase, Campo, ValorBuscado);
            },
            [&] { sql = SS_TSinonimos(sql); },
            [&] {
                if (!Lrcs) {
                    propio.Open(ORACLE_Dicc(sql), &gCnn(), ado::adOpenForwardOnly, ado::adLockReadOnly, -1);
                    existe = !propio.Bof();
                    propio.Close();
                    return;
                }
                if (Lrcs->State() != ado::adStateClosed)
                    Lrcs->Close();
                Lrcs->Open(ORACLE_Dicc(sql), &gCnn(), Lrcs->CursorType(), Lrcs->LockType(), -1);
                existe = !Lrcs->Bof();
            },
        },
        [this](const ErrorVB& e) { return preguntaOperador(runtime_, e); });
    return existe;
}

bool DB_Dll::ExisteEnTablaST(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                             ado::Recordset* Lrcs, const QVariant& TipoDato, const QString& Condicion, bool SoloLectura)
{
    bool existe = false;
    QString sql;
    ado::Recordset propio;
    // The one connection of the program is the shared object's.
    ado::Connection& conexion = Compartido().gCnn();
    EjecutaPasos({
                     [&] {
                         const Clase clase = claseDe(TipoDato);
                         const QString cabeza = QStringLiteral("SELECT * FROM ") + Tabla;
                         if (!Condicion.isEmpty())
                             sql = conCondicion(cabeza, Condicion);
                         else if (clase == Clase::Texto)
                             sql = cabeza + QStringLiteral(" WHERE ") + Campo + QStringLiteral(" ='")
                                 + literal(ValorBuscado) + u'\'';
                         else
                             sql = cabeza + pruebaNoTexto(clase, Campo, ValorBuscado);
                     },
                     [&] {
                         if (!Lrcs) {
                             propio.Open(sql, &conexion, ado::adOpenForwardOnly, ado::adLockReadOnly, -1);
                             existe = !propio.Bof();
                             propio.Close();
                             return;
                         }
                         if (Lrcs->State() != ado::adStateClosed)
                             Lrcs->Close();
                         if (SoloLectura)
                             Lrcs->Open(sql, &conexion, ado::adOpenForwardOnly, ado::adLockReadOnly, -1);
                         else
                             Lrcs->Open(sql, &conexion, Lrcs->CursorType(), Lrcs->LockType(), -1);
                         existe = !Lrcs->Bof();
                     },
                 },
                 [this](const ErrorVB& e) { return preguntaOperador(runtime_, e); });
    return existe;
}
