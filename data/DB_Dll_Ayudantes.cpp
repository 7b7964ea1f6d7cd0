#include "data/DB_Dll.h"
#include "runtime/TextoValor.h"

#include <algorithm>
#include <initializer_list>

namespace {

bool EsTipo(const QVariant& Qtype, std::initializer_list<int> codigos)
{
    bool esNumero = false;
    const double tipo = Qtype.toDouble(&esNumero);
    return esNumero && std::any_of(codigos.begin(), codigos.end(), [tipo](int codigo) { return tipo == codigo; });
}

} // namespace

bool DB_Dll::adodate(const QVariant& Qtype)
{
    return EsTipo(Qtype, {ado::adDate, ado::adDBDate, 137, ado::adDBTime, ado::adDBTimeStamp, 64});
}

bool DB_Dll::ADOText(const QVariant& Qtype)
{
    return EsTipo(
        Qtype, {ado::adBSTR, ado::adLongVarChar, ado::adLongVarWChar, ado::adVarChar, ado::adVarWChar, ado::adWChar});
}

bool DB_Dll::ADONumeric(const QVariant& Qtype)
{
    return EsTipo(Qtype,
                  {ado::adBigInt, ado::adDecimal, ado::adDouble, ado::adInteger, ado::adNumeric, ado::adSingle,
                   ado::adSmallInt, ado::adTinyInt, 21, 19, 18, 17});
}

bool DB_Dll::ADOCurrency(const QVariant& Qtype)
{
    return EsTipo(Qtype, {ado::adCurrency});
}

bool DB_Dll::ADOBoolean(const QVariant& Qtype)
{
    return EsTipo(Qtype, {ado::adBoolean});
}

QVariant DB_Dll::SQLValue(const QVariant& Valor, const QString& Tipo) const
{
    const bool esNumero = Tipo == QLatin1String("@");
    if (Valor.isNull())
        return esNumero ? QStringLiteral("0") : QStringLiteral("NULL");
    const QString texto = TextoValor::De(Valor);
    if (esNumero)
        return runtime_.ReemplazaTexto(runtime_.ValorNumerico(texto).aTexto(), QStringLiteral(","),
                                       QStringLiteral("."));
    if (Tipo == QLatin1String("'"))
        return QLatin1Char('\'') + QString(texto).replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
    return texto;
}

QString DB_Dll::AddBrackets(const QString& rObjName)
{
    if (rObjName.contains(QLatin1Char(' ')) && !rObjName.startsWith(QLatin1Char('[')))
        return QLatin1Char('[') + rObjName + QLatin1Char(']');
    return rObjName;
}

QString DB_Dll::StripBrackets(const QString& rsObjName)
{
    if (!rsObjName.startsWith(QLatin1Char('[')))
        return rsObjName;
    if (rsObjName.size() < 2)
        ElevaLlamadaNoValida(QStringLiteral("StripBrackets"));
    return rsObjName.mid(1, rsObjName.size() - 2);
}

QString DB_Dll::StripConnect(const QString& rsTblName)
{
    const qsizetype flecha = rsTblName.indexOf(QLatin1String("->"));
    if (flecha < 0)
        return rsTblName;
    if (flecha == 0)
        ElevaLlamadaNoValida(QStringLiteral("StripConnect"));
    return rsTblName.left(flecha - 1);
}

QString DB_Dll::StripOwner(QString& rsTblName)
{
    const qsizetype punto = rsTblName.indexOf(QLatin1Char('.'));
    if (punto >= 0)
        rsTblName = rsTblName.mid(punto + 1);
    return rsTblName;
}

QString DB_Dll::StripFileName(const QString& rsFileName)
{
    const qsizetype barra = rsFileName.lastIndexOf(QLatin1Char('\\'));
    return barra < 0 ? QString() : rsFileName.left(barra);
}

QString DB_Dll::stSTF(QString& rsName, int16_t rnPart)
{
    if (rsName.count(QLatin1Char('.')) >= 2)
        return StripOwner(rsName);
    const qsizetype punto = rsName.indexOf(QLatin1Char('.'));
    if (rnPart != 0)
        return rsName.mid(punto + 1);
    if (punto < 0)
        ElevaLlamadaNoValida(QStringLiteral("stSTF"));
    return rsName.left(punto);
}

void DB_Dll::QConsulta(const QString&, QObject*, const QString&, const QString&, const QString&,
                       const std::optional<QVariant>&)
{
}

void DB_Dll::QGridConsulta(const QString&, const QString&, const QString&, const std::optional<QVariant>&,
                           const std::optional<QVariant>&)
{
}
