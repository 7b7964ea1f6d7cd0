#include "app/SalidaConsulta.h"

#include "platform/ado/Recordset.h"

#include <QDateTime>

#include <charconv>
#include <cmath>

namespace {

QString textoReal(double valor)
{
    char texto[32];
    const auto [fin, error] = std::to_chars(texto, texto + sizeof texto, valor);
    QString resultado
        = error == std::errc() ? QString::fromLatin1(texto, fin - texto) : QString::number(valor, 'g', 17);
    if (std::isfinite(valor) && !resultado.contains(u'.') && !resultado.contains(u'e'))
        resultado += QLatin1String(".0");
    return resultado;
}

bool esEntero(const QVariant& valor)
{
    switch (valor.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

bool esReal(const QVariant& valor)
{
    return valor.typeId() == QMetaType::Double || valor.typeId() == QMetaType::Float;
}

// A non-null value as the machine-readable formats give it.
QString textoMaquina(const QVariant& valor)
{
    if (valor.typeId() == QMetaType::QDateTime) {
        const QDateTime fecha = valor.toDateTime();
        return fecha.toString(fecha.time().msec() ? QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")
                                                  : QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    if (valor.typeId() == QMetaType::Bool)
        return valor.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    if (esReal(valor))
        return textoReal(valor.toDouble());
    return valor.toString();
}

QString textoTabla(const QVariant& valor)
{
    if (valor.isNull())
        return QStringLiteral("NULL");
    if (valor.typeId() == QMetaType::QDateTime)
        return valor.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    return valor.toString().replace(u'\t', u' ').replace(u'\n', u' ');
}

QString campoCsv(const QString& texto)
{
    if (!texto.isEmpty() && !texto.contains(u',') && !texto.contains(u'"') && !texto.contains(u'\n')
        && !texto.contains(u'\r'))
        return texto;
    return u'"' + QString(texto).replace(u'"', QLatin1String("\"\"")) + u'"';
}

QString valorCsv(const QVariant& valor)
{
    return valor.isNull() ? QString() : campoCsv(textoMaquina(valor));
}

QString cadenaJson(const QString& texto)
{
    QString resultado = QStringLiteral("\"");
    for (const QChar c : texto) {
        switch (c.unicode()) {
        case '"':
            resultado += QLatin1String("\\\"");
            break;
        case '\\':
            resultado += QLatin1String("\\\\");
            break;
        case '\n':
            resultado += QLatin1String("\\n");
            break;
        case '\r':
            resultado += QLatin1String("\\r");
            break;
        case '\t':
            resultado += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                resultado += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                resultado += c;
        }
    }
    return resultado + u'"';
}

QString valorJson(const QVariant& valor)
{
    if (valor.isNull() || (esReal(valor) && !std::isfinite(valor.toDouble())))
        return QStringLiteral("null");
    if (esEntero(valor) || esReal(valor) || valor.typeId() == QMetaType::Bool)
        return textoMaquina(valor);
    return cadenaJson(textoMaquina(valor));
}

} // namespace

SalidaConsulta::SalidaConsulta(Formato formato, QTextStream& salida) : formato_(formato), salida_(salida) { }

void SalidaConsulta::separa()
{
    if (formato_ == Formato::Csv && !primera_)
        salida_ << "\r\n";
    primera_ = false;
}

void SalidaConsulta::filas(ado::Recordset& rs)
{
    separa();
    auto campos = rs.Fields();
    QStringList nombres;
    for (int i = 0; i < campos.Count(); ++i)
        nombres << campos.Item(i).Name();
    const char* finLinea = formato_ == Formato::Csv ? "\r\n" : "\n";
    if (formato_ == Formato::Tabla)
        salida_ << nombres.join(u'\t') << finLinea;
    else if (formato_ == Formato::Csv) {
        QStringList cabecera;
        for (const QString& n : nombres)
            cabecera << campoCsv(n);
        salida_ << cabecera.join(u',') << finLinea;
    }
    int cuenta = 0;
    for (; !rs.Eof(); rs.MoveNext(), ++cuenta) {
        QStringList fila;
        for (int i = 0; i < campos.Count(); ++i) {
            const QVariant valor = campos.Item(i).Value();
            switch (formato_) {
            case Formato::Tabla:
                fila << textoTabla(valor);
                break;
            case Formato::Csv:
                fila << valorCsv(valor);
                break;
            case Formato::Json:
                fila << cadenaJson(nombres[i]) + QLatin1String(": ") + valorJson(valor);
                break;
            }
        }
        if (formato_ == Formato::Json)
            salida_ << u'{' << fila.join(QLatin1String(", ")) << u'}' << finLinea;
        else
            salida_ << fila.join(formato_ == Formato::Csv ? u',' : u'\t') << finLinea;
    }
    if (formato_ == Formato::Tabla)
        salida_ << (cuenta == 1 ? QStringLiteral("(1 fila)") : QStringLiteral("(%1 filas)").arg(cuenta)) << '\n';
    salida_.flush();
}

void SalidaConsulta::afectados(int32_t registros)
{
    separa();
    const QString cuenta = registros < 0 ? QString() : QString::number(registros);
    switch (formato_) {
    case Formato::Tabla:
        if (registros < 0)
            salida_ << QStringLiteral("Hecho (la base de datos no dice cuántos registros afectó)");
        else
            salida_ << (registros == 1 ? QStringLiteral("1 registro afectado")
                                       : QStringLiteral("%1 registros afectados").arg(registros));
        salida_ << '\n';
        break;
    case Formato::Csv:
        salida_ << "registros_afectados\r\n" << cuenta << "\r\n";
        break;
    case Formato::Json:
        salida_ << "{\"registros_afectados\": " << (registros < 0 ? QStringLiteral("null") : cuenta) << "}\n";
        break;
    }
    salida_.flush();
}

void SalidaConsulta::fallo(int numero, const QString& error)
{
    separa();
    const QString marca = QStringLiteral("Sentencia %1: %2").arg(numero).arg(QString(error).replace(u'\n', u' '));
    switch (formato_) {
    case Formato::Tabla:
        salida_ << marca << '\n';
        break;
    case Formato::Csv:
        salida_ << "error\r\n" << campoCsv(marca) << "\r\n";
        break;
    case Formato::Json:
        salida_ << "{\"sentencia\": " << numero << ", \"error\": " << cadenaJson(error) << "}\n";
        break;
    }
    salida_.flush();
}
