#include "data/DB_Dll.h"

#include "runtime/FuncionesVB.h"

namespace {

// The number a text starts with, read the suite's way: blanks, tabs and line breaks are skipped
// wherever they are, the point is the decimal separator and an exponent (E or D) may follow;
// 0 when the text starts with no number.
double NumeroInicial(const QString& texto)
{
    QString limpio;
    for (const QChar c : texto) {
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
            limpio += c;
    }
    const auto esDigito = [&limpio](qsizetype i) { return i < limpio.size() && limpio[i] >= u'0' && limpio[i] <= u'9'; };
    QString numero;
    qsizetype i = 0;
    if (i < limpio.size() && (limpio[i] == u'+' || limpio[i] == u'-'))
        numero += limpio[i++];
    bool hayDigitos = false;
    for (; esDigito(i); ++i, hayDigitos = true)
        numero += limpio[i];
    if (i < limpio.size() && limpio[i] == u'.') {
        numero += u'.';
        for (++i; esDigito(i); ++i, hayDigitos = true)
            numero += limpio[i];
    }
    if (!hayDigitos)
        return 0;
    if (numero.endsWith(u'.'))
        numero += u'0'; // "5." is a whole number with nothing after the point
    if (i < limpio.size() && QStringLiteral("eEdD").contains(limpio[i])) {
        QString exponente = QStringLiteral("e");
        qsizetype j = i + 1;
        if (j < limpio.size() && (limpio[j] == u'+' || limpio[j] == u'-'))
            exponente += limpio[j++];
        if (esDigito(j)) {
            for (; esDigito(j); ++j)
                exponente += limpio[j];
            numero += exponente;
        }
    }
    return numero.toDouble();
}

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
        resultado = NumeroInicial(runtime.ValorCampo(rs.Fields().Item(campo).Value()).toString());
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
