#include "startup/ParametrosArranque.h"

#include "runtime/ArgumentosPrograma.h"
#include "runtime/ErrorVB.h"
#include "runtime/FuncionesVB.h"
#include "runtime/LectorIni.h"
#include "runtime/SharedRuntime.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr qsizetype kMaximoPosicion = 32767;
constexpr qsizetype kLargoParametroAdicional = 19;
const QString kArchivoIni = QStringLiteral("CN000pr.INI");

[[noreturn]] void elevaDesbordamiento()
{
    throw ErrorVB(ErroresVB::Desbordamiento, QStringLiteral("Desbordamiento"), QStringLiteral("IniciarConexion"));
}

} // namespace

void ParametrosArranque::Extrae(const QString& linea, const QString& clave, QString& destino, const QString& ausente)
{
    const qsizetype indice = linea.indexOf(clave, 0, Qt::CaseInsensitive);
    if (indice < 0) {
        destino = ausente;
        return;
    }
    const qsizetype p = indice + 1; // 1-based, as the line's positions are counted
    if (p > kMaximoPosicion)
        elevaDesbordamiento();
    const qsizetype k = clave.size();
    const qsizetype fin = linea.indexOf(u';', indice);
    qsizetype n = (fin < 0 ? 0 : fin + 1) - k - p;
    if (n < 0) {
        if (clave.compare(QLatin1String("@ParametroAdicional"), Qt::CaseInsensitive) != 0)
            ElevaLlamadaNoValida(QStringLiteral("IniciarConexion"));
        n = kLargoParametroAdicional;
    }
    if (n > kMaximoPosicion)
        elevaDesbordamiento();
    // Only the "=" that separates the key from its value goes: a password or a path may hold "=".
    QString valor = FuncionesVB::Trim(linea.mid(indice + k, n));
    if (valor.startsWith(u'='))
        valor.remove(0, 1);
    destino = FuncionesVB::Trim(valor);
}

QString ParametrosArranque::LineaDesdeIni(const QString& seccionBaseDatos, const SharedRuntime& runtime)
{
    const auto lee = [&](const QString& clave, const QString& defecto) {
        return LectorIni::LeeIni(kArchivoIni, seccionBaseDatos, clave, defecto);
    };
    const auto sinBarras = [&](const QString& valor) { return runtime.LimpiaTexto(valor, QStringLiteral("|")); };
    const QString servidor = lee(QStringLiteral("Servidor"), {});
    const QString base = lee(QStringLiteral("DbName"), {});
    const QString usuario
        = runtime.DesenvuelveValor(lee(QStringLiteral("Usuario"), runtime.EnvuelveValor(QStringLiteral("Pelmar"))));
    const QString clave = runtime.DesenvuelveValor(
        lee(QStringLiteral("UserPassWord"), runtime.EnvuelveValor(QStringLiteral("tramoly"))));
    return QStringLiteral("@server=") + sinBarras(servidor) + QStringLiteral("; @dbname= ") + sinBarras(base)
        + QStringLiteral("; @usuario= ") + sinBarras(usuario) + QStringLiteral("; @Password= ") + sinBarras(clave)
        + QStringLiteral("; @ParametroAdicional=; @Caja=1;vorn@");
}

QString ParametrosArranque::LineaDeOrdenes()
{
    if (ArgumentosPrograma::HayLeidos())
        return ArgumentosPrograma::Leidos().join(u' ');
    if (!QCoreApplication::instance())
        return {};
    return QCoreApplication::arguments().mid(1).join(u' ');
}
