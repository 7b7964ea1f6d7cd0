#include "data/DB_Dll.h"
#include "runtime/FuncionesVB.h"
#include "runtime/PasosAtrapados.h"
#include "runtime/SharedRuntime.h"
#include "runtime/TextoValor.h"
#include "startup/ModGlobal.h"

namespace {

// A quote inside a key must not end the SQL literal it is placed in.
QString literal(const QString& texto)
{
    return QString(texto).replace(u'\'', QLatin1String("''"));
}

bool esClaveDeFecha(const QString& clave)
{
    return clave.compare(QLatin1String("[FECHA HASTA]"), Qt::CaseInsensitive) == 0
        || clave.compare(QLatin1String("[FECHA DESDE]"), Qt::CaseInsensitive) == 0;
}

} // namespace

QString ModGlobal::Cfg(const QString& Clave, QString& ValorAux)
{
    DB_Dll& db = DB();
    const SharedRuntime& rt = Runtime();
    QString resultado;
    QString sql;
    ado::Recordset rs;
    // Starts true so that a failed BOF test, continued past, takes the "no row" branch as the suite's
    // code did.
    bool sinFila = true;

    const bool completo = EjecutaPasos(
        {
            [&] {
                if (FuncionesVB::EnBlanco(gTablaConfiguracion))
                    gTablaConfiguracion = QStringLiteral("TA_CONFIGURACION");
            },
            [&] {
                sql = QStringLiteral("SELECT VALOR, valoraux FROM ") + gTablaConfiguracion
                    + QStringLiteral(" WHERE CLAVE = '") + literal(FuncionesVB::Trim(Clave)) + u'\'';
            },
            [&] {
                if (esClaveDeFecha(FuncionesVB::Trim(Clave)))
                    sql = sql.toUpper();
            },
            [&] { db.AbrirRecordset(sql, &rs, {}, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true); },
            [&] { sinFila = rs.Bof(); },
            [&] {
                if (sinFila) {
                    resultado = QStringLiteral(" ");
                    ValorAux.clear();
                } else {
                    resultado = TextoValor::De(rt.ValorCampo(rs.Fields().Item(QStringLiteral("Valor")).Value()));
                    ValorAux = TextoValor::De(rt.ValorCampo(rs.Fields().Item(QStringLiteral("ValorAux")).Value()));
                }
            },
            [&] { db.CierraRecordset(&rs); },
        },
        [&](const ErrorVB& e) {
            const int16_t accion = rt.ReportaError(e, QStringLiteral("Cfg"));
            return accion == AccionError::Continuar ? accion : int16_t{0};
        });
    return completo ? resultado : QString();
}

void ModGlobal::GrabaDfg(const QString& Clave, const QVariant& Valor, const QString& ValorAux, bool PoliticaNegocio,
                         const QString& Grupo)
{
    DB_Dll& db = DB();
    QString sql;
    ado::Recordset rs;
    const auto campo = [&](const char* nombre) { return rs.Fields().Item(QString::fromLatin1(nombre)); };

    EjecutaPasos(
        {
            [&] {
                sql = QStringLiteral("SELECT * FROM ") + gTablaConfiguracion + QStringLiteral(" WHERE CLAVE = '")
                    + literal(Clave) + u'\'';
            },
            [&] { db.AbrirRecordset(sql, &rs, &db.gCnn(), ado::adOpenDynamic, ado::adLockOptimistic, -1, true); },
            [&] {
                if (rs.Bof())
                    rs.AddNew();
                else
                    rs.MoveFirst();
            },
            [&] { campo("Grupo").setValue(Grupo); },
            [&] { campo("Clave").setValue(FuncionesVB::Trim(Clave).toUpper()); },
            [&] { campo("Valor").setValue(FuncionesVB::Trim(Valor.toString())); },
            [&] { campo("PoliticaNegocio").setValue(PoliticaNegocio); },
            [&] {
                if (!ValorAux.isEmpty())
                    campo("ValorAux").setValue(FuncionesVB::Trim(ValorAux));
            },
            [&] { rs.Update(); },
            [&] { db.CierraRecordset(&rs); },
        },
        [](const ErrorVB& e) { return Runtime().ReportaError(e, QStringLiteral("GrabaDfg")); });
}
