#include "data/DB_Dll.h"
#include "runtime/FuncionesVB.h"
#include "runtime/LecturaNumeros.h"
#include "runtime/TextoValor.h"

namespace {

// Opens the aggregate query straight on the connection and reads its single column as a number;
// an answer without rows gives an empty value.
QVariant LeeAgregado(ado::Connection& conexion, const QString& sentencia, const QString& campo,
                     const SharedRuntime& runtime)
{
    ado::Recordset rs;
    rs.Open(sentencia, &conexion, ado::adOpenForwardOnly, ado::adLockReadOnly, -1);
    QVariant resultado;
    if (!rs.Bof()) {
        rs.MoveFirst();
        resultado = LecturaNumeros::NumeroInicial(TextoValor::De(runtime.ValorCampo(rs.Fields().Item(campo).Value())));
    }
    rs.Close();
    return resultado;
}

QString ConCondicion(const QString& sentencia, const std::optional<QVariant>& Condicion)
{
    if (!Condicion)
        return sentencia;
    return sentencia + QStringLiteral(" WHERE ") + FuncionesVB::Trim(Condicion->toString());
}

} // namespace

QVariant DB_Dll::BuscaMaximo(const QString& QueTabla, const QString& QueCampo, const std::optional<QVariant>&,
                             const std::optional<QVariant>& Condicion)
{
    const QString sentencia = QStringLiteral("SELECT MAX(") + QueCampo + QStringLiteral(") AS MAYOR FROM ") + QueTabla;
    return LeeAgregado(gCnn(), ConCondicion(sentencia, Condicion), QStringLiteral("MAYOR"), runtime_);
}

QVariant DB_Dll::BuscaMinimo(const QString& QueTabla, const QString& QueCampo, const std::optional<QVariant>&,
                             const std::optional<QVariant>& Condicion)
{
    const QString sentencia = QStringLiteral("SELECT MIN(") + QueCampo + QStringLiteral(") AS MENOR FROM ") + QueTabla;
    return LeeAgregado(gCnn(), ConCondicion(sentencia, Condicion), QStringLiteral("MENOR"), runtime_);
}

QVariant DB_Dll::BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, const QVariant&,
                                   const QString& Condicion)
{
    QString sentencia = QStringLiteral("SELECT MAX(") + QueCampo + QStringLiteral(") AS MAYOR FROM ") + QueTabla;
    if (!FuncionesVB::EnBlanco(Condicion))
        sentencia += QStringLiteral(" WHERE ") + Condicion;
    return LeeAgregado(gCnn(), sentencia, QStringLiteral("MAYOR"), runtime_);
}
